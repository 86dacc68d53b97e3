#pragma once
// Process environment as every module of the client sees it. On Windows this is the Win32
// environment block (the C runtime's getenv does not see changes made there); names are
// case-insensitive on both sides.
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ruzi::platform {

std::optional<std::string> FindEnvironment(std::string_view name);
// The value, or "" when the variable is not set.
std::string GetEnvironment(std::string_view name);
bool SetEnvironment(std::string_view name, std::string_view value);
bool UnsetEnvironment(std::string_view name);
// Every variable as name/value, in the block's order.
std::vector<std::pair<std::string, std::string>> EnvironmentBlock();

}  // namespace ruzi::platform
