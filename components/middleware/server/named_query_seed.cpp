#include "named_query_seed.h"

#include "database.h"

namespace ruzi::mwd {
namespace {

constexpr const char* kTables = R"sql(
CREATE TABLE qx_named_query (vc_name TEXT PRIMARY KEY, vc_sql TEXT NOT NULL);
CREATE TABLE qx_sequence (vc_name TEXT PRIMARY KEY COLLATE NOCASE, l_value INTEGER NOT NULL);
CREATE TABLE tfund_business_date (
  l_fund_id INTEGER PRIMARY KEY,
  l_business_date INTEGER NOT NULL,
  l_frozen_business_date INTEGER NOT NULL);
)sql";

// mw_now() is the server's clock as "yyyy-mm-dd hh:nn:ss" (registered by the query service).
const struct {
  const char* name;
  const char* sql;
} kQueries[] = {
    {"RC_GetInitDateTime",
     "SELECT substr(l_init_date, 1, 4) || '-' || substr(l_init_date, 5, 2) || '-' || substr(l_init_date, 7, 2) "
     "|| ' 00:00:00' AS d_init_datetime FROM tsysteminfo"},
    {"select_sysdate", "SELECT mw_now() AS d_sysdate"},
    {"get_tsysteminfo", "SELECT l_init_date, vc_system_name FROM tsysteminfo"},
    {"FutFreeTradeQrySeqNextValue", "SELECT :sSequenceName AS val"},
    {"RC_QueryBusinessDate", "SELECT l_business_date FROM tfund_business_date WHERE l_fund_id = :fundid_p ORDER BY l_fund_id"},
    {"RC_QueryFrezonBusinessDate",
     "SELECT l_frozen_business_date FROM tfund_business_date WHERE l_fund_id = :sl_fund_id ORDER BY l_fund_id"},
};

const struct {
  int64_t fund;
  int64_t business;
  int64_t frozen;
} kBusinessDates[] = {{1, 20260105, 20260102}, {2, 20260105, 20260105}, {7, 20260102, 20251231}};

bool HasTable(sqlite3* db) {
  Statement query(db, "SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name = 'qx_named_query'");
  return query.Step() && query.Integer(0) > 0;
}

}  // namespace

void AddNamedQueriesIfMissing(sqlite3* db) {
  if (HasTable(db)) return;
  Database::InTransaction(db, [db] {
    Database::Exec(db, kTables);
    Statement query(db, "INSERT INTO qx_named_query (vc_name, vc_sql) VALUES (?, ?)");
    for (const auto& q : kQueries) {
      query.Bind(1, q.name).Bind(2, q.sql).Step();
      query.Reset();
    }
    Statement date(db, "INSERT INTO tfund_business_date VALUES (?, ?, ?)");
    for (const auto& d : kBusinessDates) {
      date.Bind(1, d.fund).Bind(2, d.business).Bind(3, d.frozen).Step();
      date.Reset();
    }
  });
}

}  // namespace ruzi::mwd
