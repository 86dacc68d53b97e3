#pragma once
// The executable's own settings file: its path with the last four characters (".exe")
// replaced by ".ini". The shared log's DebugOption and the query database's name live there.
#include <string>

namespace ruzi {

std::string ExecutableIniFile();

}  // namespace ruzi
