#pragma once
#include <string_view>

namespace ruzi::platform {

// A line for an attached debugger (OutputDebugString); stderr natively.
void WriteDebugOutput(std::string_view text);

}  // namespace ruzi::platform
