#include "named_query_seed.h"

#include "database.h"

namespace ruzi::mwd {
namespace {

constexpr const char* kTables = R"sql(
CREATE TABLE IF NOT EXISTS qx_named_query (vc_name TEXT PRIMARY KEY, vc_sql TEXT NOT NULL);
CREATE TABLE IF NOT EXISTS qx_sequence (vc_name TEXT PRIMARY KEY COLLATE NOCASE, l_value INTEGER NOT NULL);
CREATE TABLE IF NOT EXISTS tfund_business_date (
  l_fund_id INTEGER PRIMARY KEY,
  l_business_date INTEGER NOT NULL,
  l_frozen_business_date INTEGER NOT NULL);
CREATE TABLE IF NOT EXISTS tholding (
  l_row INTEGER PRIMARY KEY,
  l_fund_id INTEGER NOT NULL,
  vc_fund_code TEXT NOT NULL,
  vc_stock_code TEXT NOT NULL,
  vc_stock_name TEXT NOT NULL,
  vc_market TEXT NOT NULL,
  en_quantity REAL NOT NULL,
  en_cost REAL NOT NULL,
  en_market_value REAL NOT NULL,
  d_trade_date DATE NOT NULL);
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
    {"qx_holdings", "SELECT * FROM tholding ORDER BY l_row"},
    // The queries themselves, for an operator, who may not send SQL of its own.
    {"qx_named_queries", "SELECT vc_name, vc_sql FROM qx_named_query ORDER BY vc_name"},
};

const struct {
  int64_t fund;
  int64_t business;
  int64_t frozen;
} kBusinessDates[] = {{1, 20260105, 20260102}, {2, 20260105, 20260105}, {7, 20260102, 20251231}};

}  // namespace

void AddNamedQueriesIfMissing(sqlite3* db) {
  Database::InTransaction(db, [db] {
    Database::Exec(db, kTables);
    Statement query(db, "INSERT OR IGNORE INTO qx_named_query (vc_name, vc_sql) VALUES (?, ?)");
    for (const auto& q : kQueries) {
      query.Bind(1, q.name).Bind(2, q.sql).Step();
      query.Reset();
    }
    Statement date(db, "INSERT OR IGNORE INTO tfund_business_date VALUES (?, ?, ?)");
    for (const auto& d : kBusinessDates) {
      date.Bind(1, d.fund).Bind(2, d.business).Bind(3, d.frozen).Step();
      date.Reset();
    }
  });
}

void FillHoldings(sqlite3* db, int64_t rows) {
  Statement count(db, "SELECT count(*) FROM tholding");
  if (count.Step() && count.Integer(0) == rows) return;
  Database::InTransaction(db, [db, rows] {
    Database::Exec(db, "DELETE FROM tholding");
    Statement fill(db,
                   "WITH RECURSIVE n(i) AS (SELECT 1 WHERE ?1 > 0 UNION ALL SELECT i + 1 FROM n WHERE i < ?1) "
                   "INSERT INTO tholding SELECT i, 1 + i % 7, printf('%06d', 1 + i % 7), printf('%06d', 600000 + i % 100000), "
                   "'证券' || (i % 1000), CASE i % 2 WHEN 0 THEN 'SH' ELSE 'SZ' END, (i % 1000) * 100.0, "
                   "(i % 997) * 1.25, (i % 1000) * 100.0 * (i % 997) * 0.01, "
                   "date('2026-01-05', '-' || (i % 365) || ' days') || ' 00:00:00' FROM n");
    fill.Bind(1, rows).Step();
  });
}

}  // namespace ruzi::mwd
