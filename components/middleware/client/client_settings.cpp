#include "client_settings.h"

#include <windows.h>

#include <mutex>

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

namespace {

// The file's settings, read again only when its size or time stamp changes: each profile
// read costs several round trips to the Wine server, and a connection per call signs on at
// every call.
struct FileSettings {
  std::string server_address;
  int connect_timeout_ms = kDefaultConnectTimeoutMs;
};

FileSettings CurrentFileSettings() {
  static std::mutex lock;
  static bool read = false;
  static WIN32_FILE_ATTRIBUTE_DATA read_from{};
  static FileSettings settings;
  const std::string path = SettingsFilePath();
  WIN32_FILE_ATTRIBUTE_DATA stamp{};
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &stamp)) stamp = {};
  std::lock_guard<std::mutex> guard(lock);
  const bool unchanged = read && CompareFileTime(&stamp.ftLastWriteTime, &read_from.ftLastWriteTime) == 0 &&
                         stamp.nFileSizeLow == read_from.nFileSizeLow && stamp.nFileSizeHigh == read_from.nFileSizeHigh;
  if (!unchanged) {
    settings.server_address = platform::ReadIniString(path, kSettingsSection, "WSNADDR", "");
    int timeout = platform::ReadIniInteger(path, kSettingsSection, "ConnectTimeout", kDefaultConnectTimeoutMs);
    settings.connect_timeout_ms = timeout > 0 ? timeout : kDefaultConnectTimeoutMs;
    read_from = stamp;
    read = true;
  }
  return settings;
}

}  // namespace

std::string ServerAddressSetting() {
  std::string from_environment = platform::GetEnvironment("WSNADDR");
  if (!from_environment.empty()) return from_environment;
  return CurrentFileSettings().server_address;
}

int ConnectTimeoutSetting() { return CurrentFileSettings().connect_timeout_ms; }

}  // namespace ruzi::wsclient
