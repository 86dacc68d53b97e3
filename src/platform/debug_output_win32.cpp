#include <windows.h>

#include <string>

#include "platform/debug_output.h"

namespace ruzi::platform {

void WriteDebugOutput(std::string_view text) { OutputDebugStringA(std::string(text).c_str()); }

}  // namespace ruzi::platform
