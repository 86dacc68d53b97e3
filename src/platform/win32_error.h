#pragma once
// Text of a Windows error number in the system's words (code page 936).
#include <cstdint>
#include <string>

namespace ruzi::platform {

std::string Win32ErrorText(uint32_t error);

}  // namespace ruzi::platform
