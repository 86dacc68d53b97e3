#include "client_settings.h"

#include <windows.h>

#include "platform/environment.h"
#include "platform/ini_file.h"

namespace ruzi::wsclient {
namespace {

constexpr int kDefaultConnectTimeoutMs = 5000;

}  // namespace

std::string SettingsFilePath() {
  HMODULE self = nullptr;
  GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCSTR>(&SettingsFilePath), &self);
  char path[MAX_PATH * 2] = {};
  DWORD length = GetModuleFileNameA(self, path, sizeof path);
  std::string file(path, length);
  size_t slash = file.find_last_of("\\/");
  return file.substr(0, slash == std::string::npos ? 0 : slash + 1) + kSettingsFileName;
}

std::string ServerAddressSetting() {
  std::string from_environment = platform::GetEnvironment("WSNADDR");
  if (!from_environment.empty()) return from_environment;
  return platform::ReadIniString(SettingsFilePath(), kSettingsSection, "WSNADDR", "");
}

int ConnectTimeoutSetting() {
  int value = platform::ReadIniInteger(SettingsFilePath(), kSettingsSection, "ConnectTimeout",
                                       kDefaultConnectTimeoutMs);
  return value > 0 ? value : kDefaultConnectTimeoutMs;
}

}  // namespace ruzi::wsclient
