#include "foundation/log_level_config.h"

#include <algorithm>

#include "foundation/trim.h"
#include "foundation/write_log_ex.h"
#include "platform/file_system.h"

namespace ruzi {

int GetLogLevel(const std::string& ini_file) { return GetLogLevel(ini_file, LogWriterSeams::System()); }

int GetLogLevel(const std::string& ini_file, const LogWriterSeams& seams) {
  if (!seams.files->FileExists(ini_file)) return kMinimumLogLevel;
  return std::max(kMinimumLogLevel, seams.read_ini_integer(ini_file, "common", "LogLevel", kMinimumLogLevel));
}

std::string LogConfigFileName(std::string_view executable_path, std::string_view ini_name) {
  const std::string folder = platform::DirectoryOf(executable_path);
  if (!Trim(ini_name).empty()) return folder + std::string(ini_name);
  std::string file_name(executable_path.substr(folder.size()));
  std::string lower = file_name;
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; });
  if (lower == "dozorudo.exe") return folder + "QxServerInfo.ini";
  return folder + file_name.substr(0, file_name.size() < 4 ? 0 : file_name.size() - 4) + ".ini";
}

}  // namespace ruzi
