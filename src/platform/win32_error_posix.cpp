#include <cstring>

#include "platform/win32_error.h"

namespace ruzi::platform {

std::string Win32ErrorText(uint32_t error) { return std::strerror(static_cast<int>(error)); }

}  // namespace ruzi::platform
