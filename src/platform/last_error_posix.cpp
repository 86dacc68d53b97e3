#include <cerrno>

#include "platform/last_error.h"

namespace ruzi::platform {

uint32_t LastSystemError() { return static_cast<uint32_t>(errno); }

void SetLastSystemError(uint32_t error) { errno = static_cast<int>(error); }

}  // namespace ruzi::platform
