#include "service/tuxedo_connection.h"

#include <cstring>
#include <exception>

#include "foundation/write_log_ex.h"
#include "library/unit_registry.h"
#include "platform/clock.h"
#include "platform/environment.h"
#include "platform/host_address.h"
#include "platform/paths.h"
#include "platform/process_ids.h"
#include "service/tuxedo_entries.h"

namespace ruzi {

std::string User_Name;
std::string Client_Name;
int8_t gQxClientRunType = -99;
std::string gParameter61057Value;
bool gHaveGetParameter61057 = false;
TqxWriteLogEx* GLog = nullptr;
std::mutex gRouterRefreshMemCS;

namespace {

constexpr size_t kIdentityLimit = 30;

void CopyField(char (&field)[32], const std::string& text) {
  size_t count = std::min(text.size(), sizeof field - 1);
  std::memcpy(field, text.data(), count);
  field[count] = '\0';
}

bool ContainsAny(const std::string& text, std::initializer_list<const char*> needles) {
  for (const char* needle : needles) {
    if (text.find(needle) != std::string::npos) return true;
  }
  return false;
}

// Threads that sign on together for the first time would otherwise all build the identity
// into the same strings.
std::mutex identity_lock;

void BuildIdentity() {
  try {
    User_Name = MakeUserName(platform::CurrentProcessId(), platform::ExecutablePath());
    Client_Name = GetComputerLocalIP().substr(0, kIdentityLimit);
  } catch (const std::exception&) {
    Client_Name.clear();  // built again at the next start
  }
}

void StartUnit() {
  InitTuxedoEnv();
  Client_Name.clear();
  User_Name.clear();
  gQxClientRunType = -99;
  GLog = nullptr;
}

void EndUnit() {
  Client_Name.clear();
  User_Name.clear();
  delete GLog;
  GLog = nullptr;
  gParameter61057Value.clear();
  gHaveGetParameter61057 = false;
}

const UnitRegistration kUnit{{"middleware client", StartUnit, [] {
                                if (GLog != nullptr) GLog->Shutdown();
                              },
                              EndUnit}};

}  // namespace

std::string MakeUserName(uint32_t process_id, const std::string& executable_path) {
  size_t slash = executable_path.find_last_of("\\/");
  std::string file = slash == std::string::npos ? executable_path : executable_path.substr(slash + 1);
  return (std::to_string(process_id) + ":" + file).substr(0, kIdentityLimit);
}

std::string GetComputerLocalIP() {
  try {
    return platform::FirstHostIPv4Address();
  } catch (const std::exception&) {
    return "";
  }
}

int32_t TryTuxedoInit(std::string& msg, int32_t max_tries) {
  tpterm();
  auto* info = reinterpret_cast<tpinfo_t*>(tpalloc("TPINIT", nullptr, 256));
  int32_t status = -99;
  if (info != nullptr) {
    std::lock_guard guard(identity_lock);
    if (Client_Name.empty()) BuildIdentity();
    CopyField(info->usrname, User_Name);
    CopyField(info->cltname, Client_Name);
    CopyField(info->passwd, platform::GetEnvironment("TUXEDO_PASS"));
    info->flags = kTpMultiContexts;
  }
  auto try_once = [&] {
    try {
      status = info != nullptr ? tpinit(info) : -99;
    } catch (...) {
      status = -99;
    }
  };
  try_once();
  int32_t tries = 1;
  while (status < 0 && tries < max_tries) {
    try_once();
    ++tries;
    platform::SleepMilliseconds(50);
  }
  int32_t result = 0;
  if (status < 0) {
    const int32_t error = gettperrno();
    const std::string text = tpstrerror(error);
    if (ContainsAny(text, {"-5", "-17", "-9", "-20", "超时"})) {
      msg = "网络链接异常,错误原因可能存在如下情况：\r\n（1）计算机没有连接到互联网  \r\n（2）站点设置不正确 "
            "\r\n（3）防火墙不允许访问网络\r\n服务初始化失败(TPInit)!错误号:" +
            std::to_string(error) + text;
    } else {
      msg = "服务初始化失败(TPInit)!\r\n错误号:" + std::to_string(error) + text;
    }
    result = -1;
  }
  if (info != nullptr) tpfree(reinterpret_cast<char*>(info));
  return result;
}

int32_t TuxedoInit(std::string& msg) { return TryTuxedoInit(msg, 2); }

std::string GetTuxedoConnType() {
  std::string value = platform::GetEnvironment("TUXEDO_CONNECTION_TYPE");
  return value.empty() ? "2" : value;
}

void SetTuxedoConnType(const std::string& value) {
  platform::SetEnvironment("TUXEDO_CONNECTION_TYPE", value);
  if (value == "2") tpterm();
}

std::string ReadIniParameter() {
  try {
    return platform::GetEnvironment("61057value");
  } catch (const std::exception&) {
    return "";
  }
}

}  // namespace ruzi
