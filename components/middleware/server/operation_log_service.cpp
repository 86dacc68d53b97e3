// The operation log: "svc_syslogop_rc" stores each record (the request as it came, its
// passwords masked, and its items as columns); "mw_syslog" reads the records back, oldest
// first, as a section packet in "vc_syslog".
#include <algorithm>
#include <vector>

#include "database.h"
#include "foundation/local_time_text.h"
#include "operation_log_columns.h"
#include "reply_text.h"
#include "secret_mask.h"
#include "server_state.h"
#include "services.h"

namespace ruzi::mwd {
namespace {

constexpr int64_t kDefaultRows = 100;
constexpr int64_t kMaxRows = 1000;

std::string ColumnList() {
  std::string list;
  for (std::string_view column : kOperationLogColumns) list.append(", ").append(column);
  return list;
}

ServiceResult OperationLog(ServiceCall& call) {
  const std::string at = DateTimeMillisecondText(call.server.clock.Now());
  const std::string masked = MaskSecrets(call.request.data);
  std::vector<std::string> values;
  for (std::string_view column : kOperationLogColumns) values.push_back(call.Text(column).value_or(""));
  const int64_t id = call.server.database.With([&](sqlite3* db) {
    std::string sql = "INSERT INTO tsyslog (at, session, request" + ColumnList() + ") VALUES (?, ?, ?";
    for (size_t i = 0; i < values.size(); ++i) sql += ", ?";
    Statement insert(db, sql + ")");
    insert.Bind(1, at).Bind(2, int64_t{call.session}).Bind(3, masked);
    for (size_t i = 0; i < values.size(); ++i) insert.Bind(static_cast<int>(i) + 4, values[i]);
    insert.Step();
    return static_cast<int64_t>(sqlite3_last_insert_rowid(db));
  });
  return ServiceResult::Reply(ConventionReply(0, "", {{"l_log_id", std::to_string(id)}}));
}

// Request items: <l_after_id> (records with a larger id), <l_limit> (at most this many). The
// answer stops early where the next record would not fit in a frame: <l_more> 1 then says to
// ask again after <l_last_id>.
ServiceResult ReadOperationLog(ServiceCall& call) {
  const int64_t after = call.Number("l_after_id").value_or(0);
  const int64_t limit = std::clamp<int64_t>(call.Number("l_limit").value_or(kDefaultRows), 1, kMaxRows);
  const size_t budget = call.server.options.max_body_bytes / 2;
  std::vector<std::string> columns = {"l_id", "vc_at", "l_session"};
  columns.insert(columns.end(), std::begin(kOperationLogColumns), std::end(kOperationLogColumns));
  std::vector<std::vector<std::string>> rows;
  bool more = false;
  int64_t last_id = after;
  call.server.database.With([&](sqlite3* db) {
    Statement query(db, "SELECT id, at, session" + ColumnList() + " FROM tsyslog WHERE id > ? ORDER BY id LIMIT ?");
    query.Bind(1, after).Bind(2, limit);
    size_t bytes = 0;
    while (query.Step()) {
      std::vector<std::string> row;
      size_t row_bytes = 0;
      for (size_t column = 0; column < columns.size(); ++column) {
        row.push_back(PacketSafe(query.Text(static_cast<int>(column))));
        row_bytes += row.back().size() + 1;
      }
      if (!rows.empty() && bytes + row_bytes > budget) {
        more = true;
        break;
      }
      bytes += row_bytes;
      last_id = std::stoll(row[0]);
      rows.push_back(std::move(row));
    }
    return 0;
  });
  return ServiceResult::Reply(ConventionReply(0, "", {{"l_count", std::to_string(rows.size())},
                                                      {"l_more", more ? "1" : "0"},
                                                      {"l_last_id", std::to_string(last_id)},
                                                      {"vc_syslog", SectionPacket(columns, rows)}}));
}

}  // namespace

void AddOperationLogColumnsIfMissing(sqlite3* db) {
  for (std::string_view column : kOperationLogColumns) {
    Statement present(db, "SELECT count(*) FROM pragma_table_info('tsyslog') WHERE name = ?");
    present.Bind(1, column);
    if (present.Step() && present.Integer(0) == 0) {
      Database::Exec(db, "ALTER TABLE tsyslog ADD COLUMN " + std::string(column) + " TEXT NOT NULL DEFAULT ''");
    }
  }
}

void RegisterOperationLogService(ServiceRegistry& registry) {
  registry.AddName("svc_syslogop_rc", OperationLog);
}

void RegisterOperationLogReader(ServiceRegistry& registry) { registry.AddName("mw_syslog", ReadOperationLog); }

}  // namespace ruzi::mwd
