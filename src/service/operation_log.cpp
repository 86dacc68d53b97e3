// Operation logs: one record per piece of the remarks, all pieces of one call sharing one
// reading of the server's clock.
#include "service/operation_log.h"

#include "foundation/local_time_text.h"
#include "foundation/operation_remarks_split.h"
#include "platform/environment.h"
#include "service/active_menu_no.h"
#include "service/call_service.h"
#include "service/computer_info.h"
#include "service/operation_log_record.h"
#include "service/qx_comm.h"
#include "trading/calendar/server_clock.h"

namespace ruzi {
namespace {

constexpr const char* kClassTexts[] = {"",     "登录日志", "菜单操作", "系统管理", "财务操作",     "基础数据维护",
                                       "流程操作", "查询",     "打印",     "导出",     "新版自动交易", "离线交易导入"};

// hhnnss of one reading of the server's clock.
std::string ServerTimeText() { return CompactTimeStamp(ServerClock().Now()).substr(8, 6); }

// The log line of a send; a missing pubfunmodel.dll does not stop the operation.
void LogSendResult(int32_t result) {
  try {
    qxWriteLog(result == kCallOk ? "[WriteOperateLog]写日志成功!" : "[WriteOperateLog]写日志出错!");
  } catch (const std::exception&) {
  }
}

void OperatorFields(int32_t op, int32_t check_operator, OperationLogFields& fields) {
  if (op == 0) {
    fields.operator_no = qxGetOperatorNo();
    return;
  }
  fields.operator_no = std::to_string(op);
  fields.check_operator = check_operator != 0 ? std::to_string(check_operator) : qxGetOperatorNo();
}

}  // namespace

std::string OpLogClassText(TOpLog OpClass) {
  return OpClass < std::size(kClassTexts) ? kClassTexts[OpClass] : "";
}

void WriteOperateLogEx(TOpLog OpClass, const std::string& OpContent, const std::string& Remarks, char ClientType,
                       const std::string& MenuCode, int32_t Operator, int32_t CheckOperator) {
  try {
    const RComputerInfo& computer = GetComputerInfo();
    OperationLogFields fields;
    OperatorFields(Operator, CheckOperator, fields);
    fields.computer_name = computer.computer_name;
    fields.mac = computer.mac;
    fields.volume_serial = computer.volume_serial;
    fields.ip_address = computer.ip_address;
    fields.ipv6 = computer.ipv6;
    fields.time = ServerTimeText();
    fields.op_class = OpLogClassText(OpClass);
    fields.op_content = OpContent;
    fields.menu_code = MenuCode;
    fields.client_type = ClientType;
    fields.ar_ipport = platform::GetEnvironment("QXRCARIPPORT");
    for (const std::string& piece : SplitOperationRemarks(Remarks)) {
      std::string reply;
      LogSendResult(CallService("svc_syslogop_rc", OperationLogRequest(fields, piece), reply, 30000, false, true));
    }
  } catch (const std::exception&) {
    // The operation the log describes has happened: its record is never the caller's failure.
  }
}

void WriteOperateLog(TOpLog OpClass, const std::string& OpContent, const std::string& Remarks, char ClientType,
                     int32_t Operator, int32_t CheckOperator) {
  WriteOperateLogEx(OpClass, OpContent, Remarks, ClientType, ActiveMenuNo(), Operator, CheckOperator);
}

}  // namespace ruzi
