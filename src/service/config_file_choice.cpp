// Which site and market-data configuration file the client reads. Each choice is logged
// with the variable as it was read.
#include "foundation/trim.h"
#include "platform/file_system.h"
#include "platform/paths.h"
#include "service/qx_comm.h"
#include "service/own_files_switch.h"

namespace ruzi {
namespace {

constexpr int32_t kMarketDataKind = 0;
constexpr int32_t kSiteKind = 1;

std::string SpecialFilePath(int32_t kind) {
  const std::string dir = platform::ExecutableDirectory();
  if (kind == kMarketDataKind) return dir + "hqservercfg_special.xml";
  return dir + "config" + platform::PathSeparator() + "server_special.ini";
}

bool SpecialFileExists(int32_t kind) { return platform::SystemFileSystem().FileExists(SpecialFilePath(kind)); }

std::string ChooseAndLog(int32_t kind, const char* standard, const char* special, const char* caption) {
  const std::string value = SpecialConfigValue();
  const std::string name = SpecialConfigRequested(value) && SpecialFileExists(kind) ? special : standard;
  qxWriteLog(0, caption + name + " 62409value:" + value, ltPublic);
  return name;
}

}  // namespace

std::string GetARServerFileName() {
  return ChooseAndLog(kSiteKind, "server.ini", "server_special.ini", "获取AR站点配置文件:");
}

std::string GetHQCfgFileName() {
  return ChooseAndLog(kMarketDataKind, "hqservercfg.xml", "hqservercfg_special.xml", "获取行情配置文件:");
}

bool GetSpecialConfig(int32_t Kind) {
  if (Kind != kMarketDataKind && Kind != kSiteKind) return false;
  const std::string value = Trim(SpecialConfigValue());
  return (value == "1" || value == "-1") && SpecialFileExists(Kind);
}

}  // namespace ruzi
