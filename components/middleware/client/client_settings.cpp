#include "client_settings.h"

#include <windows.h>

#include <mutex>

#include "platform/environment.h"
#include "platform/ini_file.h"
#include "slim_lock.h"

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

struct FileSettings {
  std::string server_address;
  int connect_timeout_ms = kDefaultConnectTimeoutMs;
};

// What a look at a file or folder tells without opening it.
struct Stamp {
  bool exists = false;
  FILETIME written{};
  DWORD size_low = 0;
  DWORD size_high = 0;

  bool operator==(const Stamp& other) const {
    return exists == other.exists && CompareFileTime(&written, &other.written) == 0 && size_low == other.size_low &&
           size_high == other.size_high;
  }
};

Stamp StampOf(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return {};
  return {true, data.ftLastWriteTime, data.nFileSizeLow, data.nFileSizeHigh};
}

// The file's settings, read again only when it may have changed. A connection per call
// signs on at every call, so the look has to be cheap: Wine looks for a missing file under
// every spelling of its name, a scan of the whole folder. While the file is missing only
// the folder's stamp is looked at, which changes when the file is added.
FileSettings CurrentFileSettings() {
  static SlimLock lock;
  static bool read = false;
  static Stamp folder_seen;
  static Stamp file_seen;
  static FileSettings settings;
  static const std::string path = SettingsFilePath();
  static const std::string folder = path.substr(0, path.find_last_of("\\/"));

  const Stamp folder_now = StampOf(folder);
  {
    std::lock_guard<SlimLock> guard(lock);
    if (read && !file_seen.exists && folder_now == folder_seen) return settings;
  }
  const Stamp file_now = StampOf(path);
  std::lock_guard<SlimLock> guard(lock);
  if (!read || !(file_now == file_seen)) {
    settings.server_address = platform::ReadIniString(path, kSettingsSection, "WSNADDR", "");
    int timeout = platform::ReadIniInteger(path, kSettingsSection, "ConnectTimeout", kDefaultConnectTimeoutMs);
    settings.connect_timeout_ms = timeout > 0 ? timeout : kDefaultConnectTimeoutMs;
    file_seen = file_now;
    read = true;
  }
  folder_seen = folder_now;
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
