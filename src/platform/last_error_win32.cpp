#include <windows.h>

#include "platform/last_error.h"

namespace ruzi::platform {

uint32_t LastSystemError() { return GetLastError(); }

void SetLastSystemError(uint32_t error) { SetLastError(error); }

}  // namespace ruzi::platform
