#pragma once
// Running another program to its end.
#include <string>
#include <vector>

namespace ruzi::platform {

// Runs `program` with `args` and waits for it; its exit code, or -1 when it could not start.
int RunProgram(const std::string& program, const std::vector<std::string>& args);

}  // namespace ruzi::platform
