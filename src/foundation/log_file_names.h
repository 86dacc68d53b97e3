#pragma once
// Names of the log writer's files. A file key is LogPath + BaseName [+ "_" + SubName]; the
// current file adds "_" + date + ".log", a file moved aside for size "_" + date + "_" + N + ".log".
#include <string>
#include <string_view>

namespace ruzi {

std::string LogFileKey(std::string_view log_path, std::string_view base_name, std::string_view sub_name);
std::string CurrentLogFileName(std::string_view key, std::string_view date);
std::string RotatedLogFileName(std::string_view key, std::string_view date, int number);

}  // namespace ruzi
