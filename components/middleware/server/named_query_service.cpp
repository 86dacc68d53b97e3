// "qx_query": a query the database keeps under a name (or SQL sent as it is), run for the
// client's query dataset. Request items: <vc_query_name> (else <vc_sql> runs as sent),
// <vc_condition> ";"-separated name=value pairs put in verbatim, <l_begin_date>, <l_end_date>,
// <l_max_rows> (0: all), <l_first_row> (rows to pass over, for the next page); every other
// ":name" of the SQL binds the request item of that name (NULL when absent; a whole number in
// its plain form as a number).
// Reply: <l_count> rows in <vc_data> (a section packet), <l_more> 1 when the frame limit or the
// row limit stopped it with rows left (ask again from <l_next_row>), <vc_fields>
// "name,type,size" per column apart by ";" (type: 1 text, 3 integer, 6 float, 11 date-time),
// <vc_nulls> one "0"/"1" per column for each row, rows apart by ",". A statement that returns
// no rows answers <l_rows_affected>.
#include <sqlite3.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "database.h"
#include "foundation/local_time_text.h"
#include "named_query_text.h"
#include "operator_sql_guard.h"
#include "platform/ascii_case.h"
#include "reply_text.h"
#include "server_state.h"
#include "services.h"
#include "to_date_text.h"

namespace ruzi::mwd {
namespace {

enum FieldCode { kText = 1, kInteger = 3, kFloat = 6, kDateTime = 11 };

struct Column {
  std::string name;
  int type = kText;
  size_t size = 1;
};

bool Holds(std::string declared, const char* part) {
  for (char& c : declared) c = AsciiUpper(c);
  return declared.find(part) != std::string::npos;
}

int TypeOf(const std::string& declared, int storage) {
  if (Holds(declared, "INT")) return kInteger;
  if (Holds(declared, "REAL") || Holds(declared, "FLOA") || Holds(declared, "DOUB") || Holds(declared, "NUM") ||
      Holds(declared, "DEC")) {
    return kFloat;
  }
  if (Holds(declared, "DATE") || Holds(declared, "TIME")) return kDateTime;
  if (!declared.empty()) return kText;
  if (storage == SQLITE_INTEGER) return kInteger;
  if (storage == SQLITE_FLOAT) return kFloat;
  return kText;
}

void ServerNow(sqlite3_context* context, int, sqlite3_value**) {
  auto* clock = static_cast<platform::Clock*>(sqlite3_user_data(context));
  const std::string text = DateTimeMillisecondText(clock->Now()).substr(0, 19);
  sqlite3_result_text(context, text.c_str(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

std::string_view TextArgument(sqlite3_value* value) {
  const auto* bytes = reinterpret_cast<const char*>(sqlite3_value_text(value));
  return bytes == nullptr ? std::string_view() : std::string_view(bytes, static_cast<size_t>(sqlite3_value_bytes(value)));
}

// to_date(text, picture): NULL for a NULL text; an error names what did not fit.
void ToDate(sqlite3_context* context, int, sqlite3_value** arguments) {
  if (sqlite3_value_type(arguments[0]) == SQLITE_NULL) return sqlite3_result_null(context);
  const std::string_view text = TextArgument(arguments[0]), picture = TextArgument(arguments[1]);
  const std::optional<std::string> date = ToDateText(text, picture);
  if (!date) {
    const std::string message = "TO_DATE: '" + std::string(text) + "' does not fit '" + std::string(picture) + "'";
    return sqlite3_result_error(context, message.c_str(), static_cast<int>(message.size()));
  }
  sqlite3_result_text(context, date->c_str(), static_cast<int>(date->size()), SQLITE_TRANSIENT);
}

int64_t NextValue(sqlite3* db, const std::string& sequence) {
  Statement insert(db, "INSERT INTO qx_sequence (vc_name, l_value) VALUES (?, 1) "
                       "ON CONFLICT (vc_name) DO UPDATE SET l_value = l_value + 1 RETURNING l_value");
  insert.Bind(1, sequence);
  insert.Step();
  return insert.Integer(0);
}

std::optional<std::string> StoredQuery(sqlite3* db, const std::string& name) {
  Statement query(db, "SELECT vc_sql FROM qx_named_query WHERE vc_name = ?");
  query.Bind(1, name);
  if (!query.Step()) return std::nullopt;
  return query.Text(0);
}

void BindParameters(ServiceCall& call, Statement& statement, const std::string& sql) {
  for (const std::string& name : ParameterNames(sql)) {
    const int index = statement.ParameterIndex(":" + name);
    if (index == 0) continue;
    if (AsciiEqualIgnoreCase(name, "begin_date")) {
      statement.Bind(index, call.Number("l_begin_date").value_or(0));
    } else if (AsciiEqualIgnoreCase(name, "end_date")) {
      statement.Bind(index, call.Number("l_end_date").value_or(0));
    } else if (const auto value = call.Text(name)) {
      // A whole number in its plain form binds as a number, so that it compares with numbers.
      const auto number = call.Number(name);
      if (number && std::to_string(*number) == *value) {
        statement.Bind(index, *number);
      } else {
        statement.Bind(index, *value);
      }
    }
  }
}

// The caller's statement, judged as it is prepared when `judged`.
std::unique_ptr<Statement> Prepare(sqlite3* db, const std::string& sql, bool judged) {
  const OperatorSqlGuard guard(db, judged);
  return std::make_unique<Statement>(db, sql);
}

// Counts, then changes and commits only when exactly one row matches; else rolls back.
int64_t RunGuardedBlock(ServiceCall& call, sqlite3* db, const GuardedBlock& block, bool judged) {
  const std::string count_sql = "SELECT count(*) FROM " + block.count_from;
  const auto count = Prepare(db, count_sql, judged);
  const auto change = Prepare(db, block.statement, judged);
  int64_t changed = 0;
  Database::InTransaction(db, [&] {
    BindParameters(call, *count, count_sql);
    const int64_t rows = count->Step() ? count->Integer(0) : 0;
    if (rows != 1) throw DatabaseError("更新失败：符合条件的记录有" + std::to_string(rows) + "条，不是1条，已回滚");
    BindParameters(call, *change, block.statement);
    while (change->Step()) {
    }
    changed = change->Changes();
  });
  return changed;
}

struct Page {
  std::vector<Column> columns;
  std::vector<std::vector<std::string>> rows;
  std::string nulls;
  bool more = false;
  int64_t rows_affected = -1;
};

// own_sql: the text is the caller's, not a stored query's.
Page RunPage(ServiceCall& call, sqlite3* db, const std::string& text, bool own_sql, int64_t first_row, int64_t max_rows,
             size_t budget) {
  sqlite3_create_function(db, "mw_now", 0, SQLITE_UTF8, &call.server.clock, ServerNow, nullptr, nullptr);
  sqlite3_create_function(db, "to_date", 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, ToDate, nullptr, nullptr);
  const std::string sql = ReplaceNextValues(text, [db](const std::string& name) { return NextValue(db, name); });
  const bool judged = own_sql && call.role != Role::Administrator;
  Page page;
  if (const auto block = ParseGuardedBlock(sql)) {
    page.rows_affected = RunGuardedBlock(call, db, *block, judged);
    return page;
  }
  const auto prepared = Prepare(db, sql, judged);
  Statement& statement = *prepared;
  BindParameters(call, statement, sql);
  const int columns = statement.Columns();
  if (columns == 0) {
    while (statement.Step()) {
    }
    page.rows_affected = statement.Changes();
    return page;
  }
  for (int c = 0; c < columns; ++c) page.columns.push_back({statement.ColumnName(c), 0, 1});
  std::vector<int> storage(static_cast<size_t>(columns), SQLITE_NULL);
  size_t bytes = 0;
  for (int64_t row = 0; statement.Step(); ++row) {
    if (row < first_row) continue;
    if (max_rows > 0 && static_cast<int64_t>(page.rows.size()) >= max_rows) {
      page.more = true;
      break;
    }
    std::vector<std::string> values;
    std::string flags;
    size_t row_bytes = 0;
    for (int c = 0; c < columns; ++c) {
      const bool null = statement.IsNull(c);
      if (!null && storage[static_cast<size_t>(c)] == SQLITE_NULL) storage[static_cast<size_t>(c)] = statement.StorageClass(c);
      values.push_back(null ? std::string() : statement.Text(c));
      flags += null ? '1' : '0';
      row_bytes += values.back().size() + 2 + static_cast<size_t>(columns);
    }
    if (!page.rows.empty() && bytes + row_bytes > budget) {
      page.more = true;
      break;
    }
    bytes += row_bytes;
    for (int c = 0; c < columns; ++c) page.columns[static_cast<size_t>(c)].size = std::max(page.columns[static_cast<size_t>(c)].size, values[static_cast<size_t>(c)].size());
    if (!page.nulls.empty() || !page.rows.empty()) page.nulls += ',';
    page.nulls += flags;
    page.rows.push_back(std::move(values));
  }
  for (int c = 0; c < columns; ++c) {
    Column& column = page.columns[static_cast<size_t>(c)];
    column.type = TypeOf(statement.DeclaredType(c), storage[static_cast<size_t>(c)]);
    if (column.type == kInteger) column.size = 4;
    if (column.type == kFloat || column.type == kDateTime) column.size = 8;
  }
  return page;
}

std::string FieldsText(const std::vector<Column>& columns) {
  std::string text;
  for (const Column& column : columns) {
    if (!text.empty()) text += ';';
    text += column.name + "," + std::to_string(column.type) + "," + std::to_string(column.size);
  }
  return text;
}

std::string PacketOf(const Page& page) {
  std::vector<std::string> names;
  for (const Column& column : page.columns) names.push_back(column.name);
  return SectionPacket(names, page.rows);
}

ServiceResult NamedQuery(ServiceCall& call) {
  const std::string name = call.Text("vc_query_name").value_or("");
  const int64_t first_row = std::max<int64_t>(0, call.Number("l_first_row").value_or(0));
  const int64_t max_rows = std::max<int64_t>(0, call.Number("l_max_rows").value_or(0));
  const size_t budget = call.server.options.max_body_bytes - std::min<size_t>(call.server.options.max_body_bytes / 2, 8192);
  try {
    Page page = call.server.database.With([&](sqlite3* db) {
      std::string sql = call.Text("vc_sql").value_or("");
      if (!name.empty()) {
        const auto stored = StoredQuery(db, name);
        if (!stored) throw DatabaseError("命名查询[" + name + "]不存在");
        sql = *stored;
      }
      if (sql.find_first_not_of(" \t\r\n") == std::string::npos) throw DatabaseError("查询语句为空");
      sql = ApplyConditionPairs(sql, call.Text("vc_condition").value_or(""));
      return RunPage(call, db, sql, name.empty(), first_row, max_rows, budget);
    });
    if (page.rows_affected >= 0) {
      return ServiceResult::Reply(ConventionReply(0, "", {{"l_rows_affected", std::to_string(page.rows_affected)}}));
    }
    return ServiceResult::Reply(ConventionReply(
        0, "",
        {{"l_count", std::to_string(page.rows.size())},
         {"l_more", page.more ? "1" : "0"},
         {"l_next_row", std::to_string(first_row + static_cast<int64_t>(page.rows.size()))},
         {"vc_fields", FieldsText(page.columns)},
         {"vc_nulls", page.nulls},
         {"vc_data", PacketOf(page)}}));
  } catch (const DatabaseError& error) {
    return ServiceResult::Reply(ConventionReply(1, error.what()));
  }
}

}  // namespace

void RegisterNamedQueryService(ServiceRegistry& registry) { registry.AddName("qx_query", NamedQuery); }

}  // namespace ruzi::mwd
