#pragma once
// Services every module of the client needs around its back-end calls: which site and
// market-data configuration file applies, the shared log of pubfunmodel.dll, the password
// rules for a new operator password, the signed-on operator, the business date, the database's
// clock and sequence numbers (named queries on the server). Texts are GBK. Any thread may call
// these functions; the log bindings are looked up once per process.
#include <cstdint>
#include <string>

#include "ruzirareva/export.h"
#include "ruzirareva/foundation/log_type.h"
#include "ruzirareva/foundation/variant.h"

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

// [Database] DbName of the executable's INI file, "" when unset (the server's own database).
RUZI_API std::string qxGetDbName();
// Opens the named query QueryName on that database with the condition text Params, at most
// MaxRows rows and the begin and end dates given, and returns the first field of the first
// row. No row or a null value gives 0 for small-integer, integer, float, currency,
// auto-increment and date-time fields, "" for string fields, a null Variant for the rest. A
// failed call raises ruzi::Error.
RUZI_API Variant FetchQueryName(const std::string& QueryName, const std::string& Params, int32_t MaxRows,
                                int32_t BeginDate, int32_t EndDate);

// The back end's initial date and time ("RC_GetInitDateTime"), fetched once more when the first
// answer is 0 or less (a failed call counts as 0); returned as it comes then. Logs each step.
RUZI_API double qxGetDateTime();
// The database's date and time ("select_sysdate") in whole seconds, with the same retry; logs
// the value or "获取数据库时间失败".
RUZI_API double qxGetSysDateTime();
// The business initialisation date, yyyymmdd: the cache's system record once "logined" is
// "1"; else "InitDateValue" when positive; else "get_tsysteminfo", kept in "InitDateValue".
RUZI_API int32_t qxGetInitDate();
// The next value of the database sequence SequenceName, as text.
RUZI_API std::string qxGetSeqNextValue(const std::string& SequenceName);

}  // namespace ruzi
