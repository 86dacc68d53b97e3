#pragma once
// What pubfunmodel.dll wrote: its files beside the test executable, read back as the level
// and text of each line, and the builds of the module a case loads before the binding runs.
#include <string>
#include <vector>

#include "platform/dynamic_library.h"

namespace ruzi::testing {

struct LoggedLine {
  int level;
  std::string text;
  bool operator==(const LoggedLine&) const = default;
};

// Logs\pubfun[_<sub>]_<today>.log beside the executable.
std::string PubfunLogFile(const std::string& sub_name = "");
// Removes every Logs\pubfun*.log beside the executable.
void RemovePubfunLogs();
// Each line as level and text; a line not in the writer's format gives level -1 and the
// whole line.
std::vector<LoggedLine> LoggedLines(const std::string& file);

// Has the module in the process write out its lines (its "PubFunShutdown"), then LoggedLines.
std::vector<LoggedLine> DrainedPubfunLines(const std::string& sub_name = "");

// The module at this path relative to the executable's folder, loaded before anything binds
// to it; not loaded when another copy is already in the process (the binding is made once per
// process, so such a case needs a process of its own, as ctest gives it).
platform::DynamicLibrary PreloadPubfun(const std::string& relative_path);

}  // namespace ruzi::testing
