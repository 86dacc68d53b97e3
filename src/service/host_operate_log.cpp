// The operation log a host frame keeps itself: the library only hands the texts over.
#include <string_view>

#include "foundation/error.h"
#include "platform/executable_export.h"
#include "platform/file_system.h"
#include "platform/paths.h"
#include "service/operation_log.h"

namespace ruzi {
namespace {

std::string ExecutableFileName() {
  const std::string path = platform::ExecutablePath();
  return path.substr(platform::DirectoryOf(path).size());
}

}  // namespace

int32_t WriteOperateLog(const std::string& First, const std::string& Second, const std::string& Third) {
  using HostWriteOperateLog = int32_t (*)(const char*, const char*, const char*);
  constexpr std::string_view kExport = "WriteOperateLog";
  auto entry = reinterpret_cast<HostWriteOperateLog>(platform::ExecutableExport(kExport));
  if (entry == nullptr) throw Error(ExecutableFileName() + "文件中未找到函数" + std::string(kExport));
  return entry(First.c_str(), Second.c_str(), Third.c_str());
}

}  // namespace ruzi
