// "qx_query": a query the database keeps under a name (or SQL sent as it is), run for the
// client's query dataset. Request items: <vc_query_name> (else <vc_sql> runs as sent),
// <vc_condition> ";"-separated name=value pairs put in verbatim, <l_begin_date>, <l_end_date>,
// <l_max_rows> (0: all), <l_first_row> (rows to pass over), <vc_database> ("" or "main"),
// <l_connect_no> (0 or 1); every other
// ":name" of the SQL binds the request item of that name (NULL when absent; a whole number in
// its plain form as a number).
// The statement runs once: the pages after the first wait under <l_cursor>, which the next
// calls send alone (<l_cursor> N), page by page, from any connection.
// Reply: <l_count> rows in <vc_data> (a section packet), <l_more> 1 when the frame limit or the
// row limit stopped it with rows left, <l_cursor> the kept pages' number (0: none), <vc_fields>
// "name,type,size" per column apart by ";" (type: 1 text, 3 integer, 6 float, 11 date-time),
// <vc_nulls> one "0"/"1" per column for each row, rows apart by ",". A statement that returns
// no rows answers <l_rows_affected>.
#include <sqlite3.h>

#include <algorithm>
#include <deque>
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

// Rows of one page as they are read, and their columns' types and sizes.
struct Page {
  std::vector<Column> columns;
  std::vector<int> storage;  // the first non-null value's storage class of each column
  std::vector<std::vector<std::string>> rows;
  std::string nulls;
  size_t bytes = 0;
};

std::string FieldsText(const std::vector<Column>& columns) {
  std::string text;
  for (const Column& column : columns) {
    if (!text.empty()) text += ';';
    text += column.name + "," + std::to_string(column.type) + "," + std::to_string(column.size);
  }
  return text;
}

// What a run answers: the rows a statement changed, or the reply of each page in order.
struct RunResult {
  int64_t rows_affected = -1;
  std::deque<std::string> pages;
};

// Cuts the statement's rows into pages under the byte budget, each encoded as it is complete,
// so the rows of one page at most are held as values.
class PageCutter {
 public:
  PageCutter(Statement& statement, int64_t first_row, uint64_t cursor)
      : statement_(statement), next_row_(first_row), cursor_(cursor) {
    for (int c = 0; c < statement.Columns(); ++c) names_.push_back(statement.ColumnName(c));
    Start();
  }

  // Adds the statement's current row; false when it does not fit the page under `budget`.
  bool Add(size_t budget) {
    const size_t columns = names_.size();
    std::vector<std::string> values;
    values.reserve(columns);
    std::string flags;
    size_t row_bytes = 0;
    for (size_t c = 0; c < columns; ++c) {
      const int column = static_cast<int>(c);
      const bool null = statement_.IsNull(column);
      if (!null && page_.storage[c] == SQLITE_NULL) page_.storage[c] = statement_.StorageClass(column);
      values.push_back(null ? std::string() : statement_.Text(column));
      flags += null ? '1' : '0';
      row_bytes += values.back().size() + 2 + columns;
    }
    if (!page_.rows.empty() && page_.bytes + row_bytes > budget) {
      pending_ = std::move(values);
      pending_flags_ = std::move(flags);
      return false;
    }
    Take(std::move(values), flags, row_bytes);
    return true;
  }

  // Encodes the page; `more`: rows follow it; `kept`: the next page is kept under the cursor.
  // A row that did not fit opens the next page.
  void Finish(bool more, bool kept, std::deque<std::string>& pages) {
    for (size_t c = 0; c < names_.size(); ++c) {
      Column& column = page_.columns[c];
      column.type = TypeOf(statement_.DeclaredType(static_cast<int>(c)), page_.storage[c]);
      if (column.type == kInteger) column.size = 4;
      if (column.type == kFloat || column.type == kDateTime) column.size = 8;
    }
    next_row_ += static_cast<int64_t>(page_.rows.size());
    pages.push_back(ConventionReply(0, "",
                                    {{"l_count", std::to_string(page_.rows.size())},
                                     {"l_more", more ? "1" : "0"},
                                     {"l_next_row", std::to_string(next_row_)},
                                     {"l_cursor", std::to_string(kept ? cursor_ : 0)},
                                     {"vc_fields", FieldsText(page_.columns)},
                                     {"vc_nulls", page_.nulls},
                                     {"vc_data", SectionPacket(names_, page_.rows)}}));
    Start();
    if (pending_) {
      const size_t row_bytes = Bytes(*pending_);
      Take(std::move(*pending_), pending_flags_, row_bytes);
      pending_.reset();
    }
  }

 private:
  size_t Bytes(const std::vector<std::string>& values) const {
    size_t bytes = 0;
    for (const std::string& value : values) bytes += value.size() + 2 + names_.size();
    return bytes;
  }
  void Start() {
    page_ = Page();
    for (const std::string& name : names_) page_.columns.push_back({name, 0, 1});
    page_.storage.assign(names_.size(), SQLITE_NULL);
  }
  void Take(std::vector<std::string> values, const std::string& flags, size_t row_bytes) {
    for (size_t c = 0; c < values.size(); ++c) page_.columns[c].size = std::max(page_.columns[c].size, values[c].size());
    if (!page_.rows.empty()) page_.nulls += ',';
    page_.nulls += flags;
    page_.bytes += row_bytes;
    page_.rows.push_back(std::move(values));
  }

  Statement& statement_;
  std::vector<std::string> names_;
  Page page_;
  std::optional<std::vector<std::string>> pending_;
  std::string pending_flags_;
  int64_t next_row_;
  uint64_t cursor_;
};

// Runs the text once. own_sql: the text is the caller's, not a stored query's. A row set is
// cut into pages from `first_row` on, `max_rows` at most (0: all).
RunResult RunStatement(ServiceCall& call, sqlite3* db, const std::string& text, bool own_sql, int64_t first_row,
                       int64_t max_rows, size_t budget, uint64_t cursor) {
  sqlite3_create_function(db, "mw_now", 0, SQLITE_UTF8, &call.server.clock, ServerNow, nullptr, nullptr);
  sqlite3_create_function(db, "to_date", 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, ToDate, nullptr, nullptr);
  const std::string sql = ReplaceNextValues(text, [db](const std::string& name) { return NextValue(db, name); });
  const bool judged = own_sql && call.role != Role::Administrator;
  RunResult result;
  if (const auto block = ParseGuardedBlock(sql)) {
    result.rows_affected = RunGuardedBlock(call, db, *block, judged);
    return result;
  }
  const auto prepared = Prepare(db, sql, judged);
  Statement& statement = *prepared;
  BindParameters(call, statement, sql);
  if (statement.Columns() == 0) {
    while (statement.Step()) {
    }
    result.rows_affected = statement.Changes();
    return result;
  }
  PageCutter cutter(statement, first_row, cursor);
  int64_t taken = 0;
  bool more = false;
  for (int64_t row = 0; statement.Step(); ++row) {
    if (row < first_row) continue;
    if (max_rows > 0 && taken >= max_rows) {
      more = true;
      break;
    }
    ++taken;
    if (!cutter.Add(budget)) cutter.Finish(true, true, result.pages);
  }
  cutter.Finish(more, false, result.pages);
  return result;
}

ServiceResult Failed(const std::string& message) { return ServiceResult::Reply(ConventionReply(1, message)); }

ServiceResult NamedQuery(ServiceCall& call) {
  // A later page of a query run before.
  if (const int64_t cursor = call.Number("l_cursor").value_or(0); cursor > 0) {
    std::optional<std::string> page = call.server.kept_pages.Next(static_cast<uint64_t>(cursor));
    if (!page) return Failed("查询游标[" + std::to_string(cursor) + "]不存在");
    return ServiceResult::Reply(std::move(*page));
  }
  // One database, "main" (SQLite's name for it), on one connection (number 0 or 1).
  const std::string data_base = call.Text("vc_database").value_or("");
  if (!data_base.empty() && !AsciiEqualIgnoreCase(data_base, "main")) return Failed("数据库[" + data_base + "]不存在");
  const int64_t connect_no = call.Number("l_connect_no").value_or(0);
  if (connect_no != 0 && connect_no != 1) return Failed("连接号[" + std::to_string(connect_no) + "]不存在");
  const std::string name = call.Text("vc_query_name").value_or("");
  const int64_t first_row = std::max<int64_t>(0, call.Number("l_first_row").value_or(0));
  const int64_t max_rows = std::max<int64_t>(0, call.Number("l_max_rows").value_or(0));
  const size_t budget = call.server.options.max_body_bytes - std::min<size_t>(call.server.options.max_body_bytes / 2, 8192);
  const uint64_t cursor = call.server.kept_pages.NewCursor();
  try {
    RunResult result = call.server.database.With([&](sqlite3* db) {
      std::string sql = call.Text("vc_sql").value_or("");
      if (!name.empty()) {
        const auto stored = StoredQuery(db, name);
        if (!stored) throw DatabaseError("命名查询[" + name + "]不存在");
        sql = *stored;
      }
      if (sql.find_first_not_of(" \t\r\n") == std::string::npos) throw DatabaseError("查询语句为空");
      sql = ApplyConditionPairs(sql, call.Text("vc_condition").value_or(""));
      return RunStatement(call, db, sql, name.empty(), first_row, max_rows, budget, cursor);
    });
    if (result.rows_affected >= 0) {
      return ServiceResult::Reply(ConventionReply(0, "", {{"l_rows_affected", std::to_string(result.rows_affected)}}));
    }
    std::string first = std::move(result.pages.front());
    result.pages.pop_front();
    call.server.kept_pages.Keep(cursor, std::move(result.pages));
    return ServiceResult::Reply(std::move(first));
  } catch (const DatabaseError& error) {
    return Failed(error.what());
  }
}

}  // namespace

void RegisterNamedQueryService(ServiceRegistry& registry) { registry.AddName("qx_query", NamedQuery); }

}  // namespace ruzi::mwd
