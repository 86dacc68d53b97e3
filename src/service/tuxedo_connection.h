#pragma once
// Opening a connection to the middleware for the calling thread, the client identity it signs
// on with, and the connection-type switch the service calls follow.
#include <cstdint>
#include <mutex>
#include <string>

namespace ruzi {

class TqxWriteLogEx;

// The TPINIT record as far as the library fills it.
struct tpinfo_t {
  char usrname[32];
  char cltname[32];
  char passwd[32];
  char grpname[32];
  int32_t flags;
};
static_assert(offsetof(tpinfo_t, cltname) == 32 && offsetof(tpinfo_t, passwd) == 64 &&
              offsetof(tpinfo_t, flags) == 128);

inline constexpr int32_t kTpMultiContexts = 32;

// Unit state, process-wide.
extern std::string User_Name;
extern std::string Client_Name;
extern int8_t gQxClientRunType;
extern std::string gParameter61057Value;
extern bool gHaveGetParameter61057;
extern TqxWriteLogEx* GLog;
extern std::mutex gRouterRefreshMemCS;

// 0 when a connection was opened; -1 with the message in msg when every try failed.
int32_t TryTuxedoInit(std::string& msg, int32_t max_tries);
int32_t TuxedoInit(std::string& msg);

std::string GetComputerLocalIP();
// The environment's "TUXEDO_CONNECTION_TYPE", "2" when empty.
std::string GetTuxedoConnType();
// Sets the type; "2" also ends the connection the persistent mode kept open.
void SetTuxedoConnType(const std::string& value);
// The environment's "61057value".
std::string ReadIniParameter();

// "<pid>:<executable file name>" cut to 30 bytes.
std::string MakeUserName(uint32_t process_id, const std::string& executable_path);

}  // namespace ruzi
