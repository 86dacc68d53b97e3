#pragma once
// The server's operation log: what an operator did (logins, menu actions, maintenance,
// queries, prints, exports), with the machine, the operator and the menu, sent to
// "svc_syslogop_rc". Remarks longer than one record takes go out as several records. Any thread
// may call these functions; they never fail (a failed send is logged).
#include <cstdint>
#include <string>

#include "ruzirareva/export.h"

namespace ruzi {

enum TOpLog : uint8_t {
  OPLOG_NULL = 0,
  OPLOG_LOGIN,
  OPLOG_MENU,
  OPLOG_SYSMANAGER,
  OPLOG_FINANCE,
  OPLOG_SYSINFO,
  OPLOG_ENDDEAL,
  OPLOG_QUERY,
  OPLOG_PRINT,
  OPLOG_EXPORT,
  OPLOG_NEWTRADE,
  OPLOG_OFFLINEIMPORT,
};

// The class text written with each record ("" for OPLOG_NULL and values past the last).
RUZI_API std::string OpLogClassText(TOpLog OpClass);

// The menu code is that of the host's active form. Operator 0: the signed-on operator and no
// check operator; otherwise Operator, checked by CheckOperator (the signed-on operator when 0).
RUZI_API void WriteOperateLog(TOpLog OpClass, const std::string& OpContent, const std::string& Remarks,
                              char ClientType, int32_t Operator, int32_t CheckOperator);
// The same with the menu code given.
RUZI_API void WriteOperateLogEx(TOpLog OpClass, const std::string& OpContent, const std::string& Remarks,
                                char ClientType, const std::string& MenuCode, int32_t Operator,
                                int32_t CheckOperator);

// The host frame's own operation log: its export "WriteOperateLog", called with the three GBK
// texts as they are; its result, whose meaning is the host's. Raises ruzi::Error
// "<executable file name>文件中未找到函数WriteOperateLog" when the executable lacks that export.
RUZI_API int32_t WriteOperateLog(const std::string& First, const std::string& Second, const std::string& Third);

}  // namespace ruzi
