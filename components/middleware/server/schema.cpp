#include "schema.h"

#include "database.h"
#include "named_query_seed.h"
#include "operation_log_columns.h"

namespace ruzi::mwd {
namespace {

constexpr const char* kTables = R"sql(
CREATE TABLE mw_schema (version INTEGER NOT NULL);
CREATE TABLE mw_audit (
  id INTEGER PRIMARY KEY AUTOINCREMENT,
  at TEXT NOT NULL,
  started_us INTEGER NOT NULL,
  ended_us INTEGER NOT NULL,
  session INTEGER NOT NULL,
  kind TEXT NOT NULL,
  service TEXT NOT NULL,
  number INTEGER NOT NULL,
  route TEXT NOT NULL,
  buffer_type TEXT NOT NULL,
  request BLOB NOT NULL,
  request_length INTEGER NOT NULL,
  status INTEGER NOT NULL,
  request_sha256 TEXT NOT NULL DEFAULT '',
  request_compressed INTEGER NOT NULL DEFAULT 0);
CREATE TABLE tsysteminfo (l_init_date INTEGER NOT NULL, vc_system_name TEXT NOT NULL);
CREATE TABLE tsysparameter (
  l_serial_no INTEGER PRIMARY KEY,
  vc_name TEXT NOT NULL,
  vc_value TEXT NOT NULL);
CREATE TABLE tfundinfo (
  l_fund_id INTEGER PRIMARY KEY,
  vc_fund_code TEXT NOT NULL,
  vc_fund_name TEXT NOT NULL,
  en_total_asset REAL NOT NULL);
CREATE TABLE tsyslog (
  id INTEGER PRIMARY KEY AUTOINCREMENT,
  at TEXT NOT NULL,
  session INTEGER NOT NULL,
  request TEXT NOT NULL);
)sql";

// Seed texts are GBK like every text the server hands out (the build turns these literals
// into GBK bytes).
void Seed(sqlite3* db) {
  Statement version(db, "INSERT INTO mw_schema (version) VALUES (?)");
  version.Bind(1, int64_t{kSchemaVersion}).Step();

  Statement system(db, "INSERT INTO tsysteminfo (l_init_date, vc_system_name) VALUES (?, ?)");
  system.Bind(1, int64_t{20260105}).Bind(2, "投资管理演示系统").Step();

  Statement parameter(db, "INSERT INTO tsysparameter (l_serial_no, vc_name, vc_value) VALUES (?, ?, ?)");
  const struct {
    int64_t number;
    const char* name;
    const char* value;
  } parameters[] = {
      {61057, "组合显示名称", "组合"},
      {61302, "刷新路由", ""},
      {62409, "使用专用服务器配置", "0"},
  };
  for (const auto& p : parameters) {
    parameter.Bind(1, p.number).Bind(2, p.name).Bind(3, p.value).Step();
    parameter.Reset();
  }

  Statement fund(db, "INSERT INTO tfundinfo (l_fund_id, vc_fund_code, vc_fund_name, en_total_asset) "
                     "VALUES (?, ?, ?, ?)");
  const struct {
    int64_t id;
    const char* code;
    const char* name;
    const char* asset;
  } funds[] = {
      {1, "000001", "稳健增长组合", "1250000.50"},
      {2, "000002", "平衡配置组合", "830000.00"},
      {7, "000007", "红利精选组合", "42.75"},
  };
  for (const auto& f : funds) {
    fund.Bind(1, f.id).Bind(2, f.code).Bind(3, f.name).Bind(4, f.asset).Step();
    fund.Reset();
  }
}

bool HasSchema(sqlite3* db) {
  Statement query(db, "SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name = 'mw_schema'");
  return query.Step() && query.Integer(0) > 0;
}

void AddAuditColumnIfMissing(sqlite3* db, const std::string& name, const std::string& definition) {
  Statement column(db, "SELECT count(*) FROM pragma_table_info('mw_audit') WHERE name = ?");
  column.Bind(1, name);
  if (column.Step() && column.Integer(0) == 0) {
    Database::Exec(db, "ALTER TABLE mw_audit ADD COLUMN " + name + " " + definition);
  }
}

// A database made before long requests were cut to a prefix and a digest, or before they were
// kept compressed.
void AddAuditColumnsIfMissing(sqlite3* db) {
  AddAuditColumnIfMissing(db, "request_sha256", "TEXT NOT NULL DEFAULT ''");
  AddAuditColumnIfMissing(db, "request_compressed", "INTEGER NOT NULL DEFAULT 0");
}

}  // namespace

bool CreateSchemaIfMissing(sqlite3* db) {
  if (HasSchema(db)) {
    AddAuditColumnsIfMissing(db);
    AddNamedQueriesIfMissing(db);
    AddOperationLogColumnsIfMissing(db);
    return false;
  }
  Database::InTransaction(db, [db] {
    Database::Exec(db, kTables);
    AddOperationLogColumnsIfMissing(db);
    Seed(db);
  });
  AddNamedQueriesIfMissing(db);
  return true;
}

}  // namespace ruzi::mwd
