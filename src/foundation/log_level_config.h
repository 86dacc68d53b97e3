#pragma once
// Where the log writer's threshold comes from: the configuration file beside the executable,
// section "common", key "LogLevel"; never below 5.
#include <string>
#include <string_view>

#include "foundation/log_writer_seams.h"

namespace ruzi {

inline constexpr int kMinimumLogLevel = 5;

// 5 when the file is absent; else "LogLevel" of section "common" (default 5), at least 5.
int GetLogLevel(const std::string& ini_file, const LogWriterSeams& seams);

// The configuration file for an executable: its folder + ini_name when ini_name is not blank;
// else "QxServerInfo.ini" for dozorudo.exe, else the executable's name with ".ini" in place of
// its last four characters.
std::string LogConfigFileName(std::string_view executable_path, std::string_view ini_name);

}  // namespace ruzi
