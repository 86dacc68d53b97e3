// The back-end services the library itself calls.
#include "error_numbers.h"
#include "foundation/local_time_text.h"
#include "reply_text.h"
#include "server_state.h"
#include "services.h"

namespace ruzi::mwd {
namespace {

// The three risk-check names reach the server as this one service (the client renames them).
ServiceResult MultRisk(ServiceCall& call) {
  return ServiceResult::Reply(ConventionReply(0, "", {{"l_risk_result", "0"}, {"Request", call.request.data}}));
}

// The server's date and time, for the trading calendar: yyyymmdd and hhnnss.
ServiceResult ServerTime(ServiceCall& call) {
  std::string stamp = CompactTimeStamp(call.server.clock.Now());  // yyyymmddhhnnss
  return ServiceResult::Reply(ConventionReply(0, "", {{"l_date", stamp.substr(0, 8)}, {"l_time", stamp.substr(8, 6)}}));
}

// Reads a system parameter (<l_serial_no>), or sets it first when <vc_value> is given.
ServiceResult SystemParameter(ServiceCall& call) {
  auto number = call.Number("l_serial_no");
  if (!number) return ServiceResult::Reply(ConventionReply(1, "系统参数编号缺失"));
  auto value = call.Text("vc_value");
  if (value && call.role != Role::Administrator) {
    return ServiceResult::Failure(mw::kMwPermission, "权限不足: 设置系统参数需要管理员");
  }
  return call.server.database.With([&](sqlite3* db) {
    if (value) {
      Statement update(db, "UPDATE tsysparameter SET vc_value = ? WHERE l_serial_no = ?");
      update.Bind(1, *value).Bind(2, *number).Step();
    }
    Statement query(db, "SELECT vc_value FROM tsysparameter WHERE l_serial_no = ?");
    query.Bind(1, *number);
    if (!query.Step()) {
      return ServiceResult::Reply(ConventionReply(1, "系统参数[" + std::to_string(*number) + "]不存在"));
    }
    return ServiceResult::Reply(
        ConventionReply(0, "", {{"l_serial_no", std::to_string(*number)}, {"vc_value", query.Text(0)}}));
  });
}

}  // namespace

void RegisterBusinessServices(ServiceRegistry& registry) {
  registry.AddName("svc_mult_risk", MultRisk);
  registry.AddName("svc_server_time", ServerTime);
  registry.AddName("svc_sysprmop_rc", SystemParameter);
}

}  // namespace ruzi::mwd
