#pragma once
// Opening a connection to the middleware for the calling thread, the client identity it signs
// on with, and the connection-type switch the service calls follow. Any thread may open its own
// connection; the identity is built once, by the first connection start, and only read afterwards.
#include <cstdint>
#include <mutex>
#include <string>

#include "ruzirareva/export.h"
#include "ruzirareva/service/tuxedo_entries.h"

namespace ruzi {

class TqxWriteLogEx;

// Unit state, process-wide.
extern RUZI_API std::string User_Name;
extern RUZI_API std::string Client_Name;
extern RUZI_API int8_t gQxClientRunType;
extern RUZI_API std::string gParameter61057Value;
extern RUZI_API bool gHaveGetParameter61057;
extern RUZI_API TqxWriteLogEx* GLog;
extern RUZI_API std::mutex gRouterRefreshMemCS;

// 0 when a connection was opened; -1 with the message in msg when every try failed.
RUZI_API int32_t TryTuxedoInit(std::string& msg, int32_t max_tries);
RUZI_API int32_t TuxedoInit(std::string& msg);

RUZI_API std::string GetComputerLocalIP();
// The environment's "TUXEDO_CONNECTION_TYPE", "2" when empty.
RUZI_API std::string GetTuxedoConnType();
// Sets the type; "2" also ends the connection the persistent mode kept open.
RUZI_API void SetTuxedoConnType(const std::string& value);
// The environment's "61057value".
RUZI_API std::string ReadIniParameter();

// "<pid>:<executable file name>" cut to 30 bytes.
RUZI_API std::string MakeUserName(uint32_t process_id, const std::string& executable_path);

}  // namespace ruzi
