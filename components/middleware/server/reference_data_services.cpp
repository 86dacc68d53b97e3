// The reference-data tables of the client's cache, one service per table. Each returns the
// table (or the rows whose leading key columns hold the values of <vc_key_word>, "12|") as
// a section packet in the reply item "vc_data", with "l_count" rows.
#include <optional>
#include <string>
#include <vector>

#include "error_numbers.h"
#include "packets/pack.h"
#include "reply_text.h"
#include "server_state.h"
#include "services.h"

namespace ruzi::mwd {
namespace {

struct TableQuery {
  const char* service;
  const char* select;  // columns named as the cache reads them
  std::vector<const char*> keys;
  const char* order;
};

const std::vector<TableQuery>& Queries() {
  static const std::vector<TableQuery> queries = {
      {"svc_mem_marketinfo",
       "SELECT c_market_no, vc_market_name, l_begin_time1, l_end_time1, l_begin_time2, l_end_time2, l_begin_time3, "
       "l_end_time3, en_time_zone, vc_tradeday_type FROM tmarketinfo",
       {"c_market_no"},
       "rowid"},
      {"svc_mem_fundinfo",
       "SELECT f.l_fund_id AS l_fund_id, f.vc_fund_code AS vc_fund_code, f.vc_fund_name AS vc_fund_name, "
       "coalesce(x.vc_market_list, '') AS vc_market_list, coalesce(x.c_switch_mode, '0') AS c_switch_mode, "
       "coalesce(x.l_switch_time, 0) AS l_switch_time, coalesce(x.l_business_date, 0) AS l_business_date "
       "FROM tfundinfo f LEFT JOIN tfundinfoex x ON x.l_fund_id = f.l_fund_id",
       {"f.l_fund_id"},
       "f.l_fund_id"},
      {"svc_mem_operator",
       "SELECT l_operator_no, vc_operator_name, c_code_kind, l_dept_id FROM toperator",
       {"l_operator_no"},
       "l_operator_no"},
      {"svc_mem_systeminfo", "SELECT l_init_date, vc_system_name, en_time_zone FROM tsysteminfo", {}, "rowid"},
      {"svc_mem_sysparameter",
       "SELECT l_serial_no, vc_name, vc_value FROM tsysparameter",
       {"l_serial_no"},
       "l_serial_no"},
      {"svc_mem_menuright",
       "SELECT l_operator_no, vc_menu_code FROM topmenurights",
       {"l_operator_no", "vc_menu_code"},
       "l_operator_no, vc_menu_code"},
      {"svc_mem_tradeday",
       "SELECT vc_tradeday_type, l_date, l_day_kind FROM tmarkettradeday",
       {"vc_tradeday_type", "l_date"},
       "vc_tradeday_type, l_date"},
  };
  return queries;
}

// "12|" -> {"12"}; values past the table's key columns are ignored.
std::vector<std::string> KeyValues(const std::string& text, size_t most) {
  std::vector<std::string> values;
  size_t start = 0;
  while (start < text.size() && values.size() < most) {
    size_t bar = text.find('|', start);
    values.push_back(text.substr(start, bar == std::string::npos ? std::string::npos : bar - start));
    if (bar == std::string::npos) break;
    start = bar + 1;
  }
  // An empty first value asks for the whole table.
  if (!values.empty() && values.front().empty()) values.clear();
  return values;
}

// A packet value may hold neither SOH nor NUL.
std::string PacketValue(std::string text) {
  for (char& c : text) {
    if (c == '\0' || c == '\x01') c = '?';
  }
  return text;
}

ServiceResult Table(const TableQuery& query, ServiceCall& call) {
  std::vector<std::string> keys =
      KeyValues(call.Text("vc_key_word").value_or(""), query.keys.size());
  std::string sql = query.select;
  for (size_t i = 0; i < keys.size(); ++i) sql += std::string(i == 0 ? " WHERE " : " AND ") + query.keys[i] + " = ?";
  sql += std::string(" ORDER BY ") + query.order;
  TPack pack(true);
  // The table must fit in one answer: a cache that loaded part of it, or nothing, would be
  // wrong without knowing it. Checked as the rows come, with the call's deadline.
  const size_t most = call.server.options.max_body_bytes;
  std::optional<ServiceResult> failed;
  int32_t rows = call.server.database.With([&](sqlite3* db) {
    Statement select(db, sql);
    for (size_t i = 0; i < keys.size(); ++i) select.Bind(static_cast<int>(i + 1), keys[i]);
    std::vector<std::string> names;
    for (int column = 0; column < select.Columns(); ++column) names.push_back(select.ColumnName(column));
    TPackSection& section = pack.GetSection(0);
    section.SetRange(static_cast<int32_t>(names.size()), 0);
    section.CreateFields(names);
    int32_t count = 0;
    size_t bytes = 0;
    while (select.Step()) {
      for (int column = 0; column < select.Columns(); ++column) {
        std::string value = PacketValue(select.Text(column));
        bytes += value.size() + 1;
        section.AddValue(value);
      }
      ++count;
      if (bytes >= most) {
        failed = ServiceResult::Failure(mw::kMwLimit, std::string("应答长度超出上限: ") + query.service);
        return count;
      }
      if (count % 256 == 0 && (failed = call.Interrupted())) return count;
    }
    // The row count is known only now: the header is rewritten in place.
    section.ResetRange(section.StartOffset(), static_cast<int32_t>(names.size()), count);
    return count;
  });
  if (failed) return *failed;
  pack.CheckBuffer();
  return ServiceResult::Reply(ConventionReply(0, "", {{"l_count", std::to_string(rows)}, {"vc_data", pack.Text()}}));
}

}  // namespace

void RegisterReferenceDataServices(ServiceRegistry& registry) {
  for (const TableQuery& query : Queries()) {
    registry.AddName(query.service, [&query](ServiceCall& call) { return Table(query, call); });
  }
}

}  // namespace ruzi::mwd
