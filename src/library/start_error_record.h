#pragma once
// Where a failed attach leaves its reason. The DLL is unmapped right after a failed attach, so
// the text goes to the debugger output and into the process environment, where the host (and
// a later load of the library, through GetLastStartError) still finds it.
#include <string>

namespace ruzi {

inline constexpr const char* kStartErrorVariable = "RUZI_START_ERROR";

void RecordStartError(const std::string& message);
// This load's failure if it had one, else the one a previous load left in the environment.
std::string LastStartErrorText();

}  // namespace ruzi
