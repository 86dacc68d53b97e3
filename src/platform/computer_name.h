#pragma once
#include <string>

namespace ruzi::platform {

// The machine's NetBIOS name as Windows reports it ("" when it cannot be read).
std::string ComputerName();

}  // namespace ruzi::platform
