#pragma once
// Services every module of the client needs around its back-end calls: which site and
// market-data configuration file applies, the shared log of pubfunmodel.dll, the password
// rules for a new operator password, and the signed-on operator. Texts are GBK. Any thread may
// call these functions; the log bindings are looked up once per process.
#include <cstdint>
#include <string>

#include "ruzirareva/export.h"
#include "ruzirareva/foundation/log_type.h"

namespace ruzi {

// "server_special.ini" when "62409value" asks for special files and config\server_special.ini
// exists under the executable's folder; else "server.ini". Logs its choice.
RUZI_API std::string GetARServerFileName();
// "hqservercfg_special.xml" when "62409value" asks for special files and that file exists in
// the executable's folder; else "hqservercfg.xml". Logs its choice.
RUZI_API std::string GetHQCfgFileName();
// Kind 0: the market-data file, kind 1: the site file. True only when "62409value" is "1" or
// "-1" and that special file exists.
RUZI_API bool GetSpecialConfig(int32_t Kind);

// The shared log (pubfunmodel.dll, loaded on first use). Every form raises ruzi::Error
// "pubfunmodel.dll不存在" when the library cannot be loaded and "qxwritelog函数不存在." when it
// lacks "qxwritelog".
RUZI_API void qxWriteLog(int32_t Level, const std::string& Text);
// Through "qxwritelogNew" when the library has it, else as qxWriteLog(Level, Text).
RUZI_API void qxWriteLog(int32_t Level, const std::string& Text, TLogType LogType);
RUZI_API void qxWriteLog(const std::string& Text);
RUZI_API void qxWriteLog(const std::string& Text, TLogType LogType);
// Writes Text only when Option occurs in [WriteLog] DebugOption of the executable's INI file
// (read at every call); an empty Option never writes.
RUZI_API void qxWriteLog(const std::string& Option, const std::string& Text);

// True when Password passes the rules of Level (1: none, 2: length, 3: character classes,
// any other: both); otherwise shows why in a message box (caption "提示") and returns false.
RUZI_API bool qxCheckPassword(const std::string& Password, int32_t Level);
// The message qxCheckPassword would show, "" when the password passes (for hosts without a
// user interface).
RUZI_API std::string qxPasswordCheckMessage(const std::string& Password, int32_t Level);

// The signed-on operator's number from the reference-data cache's system record (memdata.dll);
// "" without the cache.
RUZI_API std::string qxGetOperatorNo();

}  // namespace ruzi
