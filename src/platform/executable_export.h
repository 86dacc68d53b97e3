#pragma once
// An export of the running executable (the host frame), by exact name; nullptr when the
// executable has none of that name.
#include <string_view>

namespace ruzi::platform {

void* ExecutableExport(std::string_view name);

}  // namespace ruzi::platform
