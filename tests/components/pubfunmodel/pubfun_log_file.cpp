#include "pubfun_log_file.h"

#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <regex>

#include "foundation/file_backed_list.h"
#include "platform/file_system.h"
#include "platform/paths.h"
#include "test_paths.h"

namespace ruzi::testing {
namespace {

std::string LogFolder() { return platform::ExecutableDirectory() + "Logs\\"; }

}  // namespace

std::string PubfunLogFile(const std::string& sub_name) {
  return LogFolder() + "pubfun_" + (sub_name.empty() ? "" : sub_name + "_") + TodayText() + ".log";
}

void RemovePubfunLogs() {
  std::error_code ignored;
  for (const auto& entry : std::filesystem::directory_iterator(LogFolder(), ignored)) {
    if (entry.path().filename().string().rfind("pubfun", 0) == 0) std::filesystem::remove(entry.path(), ignored);
  }
}

std::vector<LoggedLine> LoggedLines(const std::string& file) {
  static const std::regex prefix(R"(^\[\d+\]\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\.\d{3}\[(\d+)\]\[\d+\]: )");
  std::vector<LoggedLine> lines;
  for (const std::string& line : SplitFileLines(platform::SystemFileSystem().ReadWholeFile(file).value_or(""))) {
    std::smatch match;
    if (std::regex_search(line, match, prefix)) {
      lines.push_back({std::stoi(match[1].str()), match.suffix().str()});
    } else {
      lines.push_back({-1, line});
    }
  }
  return lines;
}

std::vector<LoggedLine> DrainedPubfunLines(const std::string& sub_name) {
  platform::DynamicLibrary module = platform::DynamicLibrary::Loaded("pubfunmodel.dll");
  if (auto shutdown = module.ExportAs<void (*)()>("PubFunShutdown")) shutdown();
  return LoggedLines(PubfunLogFile(sub_name));
}

platform::DynamicLibrary PreloadPubfun(const std::string& relative_path) {
  if (platform::DynamicLibrary::Loaded("pubfunmodel.dll").IsLoaded()) return {};
  return platform::DynamicLibrary::LoadFullPath(platform::ExecutableDirectory() + relative_path);
}

}  // namespace ruzi::testing
