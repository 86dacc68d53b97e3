#include "reference_data_seed.h"

#include <cstdint>
#include <string>

#include "database.h"
#include "reference_calendars.h"

namespace ruzi::mwd {
namespace {

constexpr int kFirstYear = 2020;
constexpr int kLastYear = 2035;

constexpr const char* kTables = R"sql(
CREATE TABLE tmarketinfo (
  c_market_no TEXT PRIMARY KEY,
  vc_market_name TEXT NOT NULL,
  l_begin_time1 INTEGER NOT NULL, l_end_time1 INTEGER NOT NULL,
  l_begin_time2 INTEGER NOT NULL, l_end_time2 INTEGER NOT NULL,
  l_begin_time3 INTEGER NOT NULL, l_end_time3 INTEGER NOT NULL,
  en_time_zone REAL NOT NULL,
  vc_tradeday_type TEXT NOT NULL);
CREATE TABLE tfundinfoex (
  l_fund_id INTEGER PRIMARY KEY,
  vc_market_list TEXT NOT NULL,
  c_switch_mode TEXT NOT NULL,
  l_switch_time INTEGER NOT NULL,
  l_business_date INTEGER NOT NULL);
CREATE TABLE toperator (
  l_operator_no INTEGER PRIMARY KEY,
  vc_operator_name TEXT NOT NULL,
  c_code_kind TEXT NOT NULL,
  l_dept_id INTEGER NOT NULL);
CREATE TABLE topmenurights (
  l_operator_no INTEGER NOT NULL,
  vc_menu_code TEXT NOT NULL,
  PRIMARY KEY (l_operator_no, vc_menu_code));
CREATE TABLE tmarkettradeday (
  vc_tradeday_type TEXT NOT NULL,
  l_date INTEGER NOT NULL,
  l_day_kind INTEGER NOT NULL,
  PRIMARY KEY (vc_tradeday_type, l_date));
)sql";

bool HasTable(sqlite3* db, const char* name) {
  Statement query(db, "SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name = ?");
  query.Bind(1, std::string_view(name));
  return query.Step() && query.Integer(0) > 0;
}

bool HasColumn(sqlite3* db, const char* table, const char* column) {
  Statement query(db, std::string("SELECT count(*) FROM pragma_table_info('") + table + "') WHERE name = ?");
  query.Bind(1, std::string_view(column));
  return query.Step() && query.Integer(0) > 0;
}

void SeedMarkets(sqlite3* db) {
  Statement insert(db, "INSERT INTO tmarketinfo VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
  const struct {
    const char* code;
    const char* name;
    int64_t periods[6];
    const char* zone;
    const char* calendar;
  } markets[] = {
      {"1", "上海证券交易所", {93000, 113000, 130000, 150000, 0, 0}, "8", "00"},
      {"2", "深圳证券交易所", {93000, 113000, 130000, 150000, 0, 0}, "8", ""},  // "" stands for "00"
      {"n", "沪港通", {93000, 120000, 130000, 160000, 0, 0}, "8", "HK"},
      {"o", "深港通", {93000, 120000, 130000, 160000, 0, 0}, "8", "HK"},
      {"U", "美国市场", {93000, 160000, 0, 0, 0, 0}, "-5", "US"},
      {"I", "印度市场", {91500, 153000, 0, 0, 0, 0}, "5.5", "IN"},
  };
  for (const auto& m : markets) {
    insert.Bind(1, m.code).Bind(2, m.name);
    for (int i = 0; i < 6; ++i) insert.Bind(3 + i, m.periods[i]);
    insert.Bind(9, m.zone).Bind(10, m.calendar).Step();
    insert.Reset();
  }
}

void SeedFundsAndOperators(sqlite3* db) {
  Statement fund(db, "INSERT INTO tfundinfoex VALUES (?, ?, ?, ?, ?)");
  const struct {
    int64_t id;
    const char* markets;
    const char* mode;
    int64_t switch_time;
  } funds[] = {{1, "1,2", "0", 150000}, {2, "1,2,n,o", "1", 160000}, {7, "U,I,1", "1", 83000}};
  for (const auto& f : funds) {
    fund.Bind(1, f.id).Bind(2, f.markets).Bind(3, f.mode).Bind(4, f.switch_time).Bind(5, int64_t{20260105}).Step();
    fund.Reset();
  }
  Statement person(db, "INSERT INTO toperator VALUES (?, ?, ?, ?)");
  const struct {
    int64_t number;
    const char* name;
    const char* kind;
    int64_t dept;
  } operators[] = {{1001, "系统管理员", "0", 1}, {1002, "交易员甲", "1", 2}, {1003, "研究员乙", "2", 2}};
  for (const auto& o : operators) {
    person.Bind(1, o.number).Bind(2, o.name).Bind(3, o.kind).Bind(4, o.dept).Step();
    person.Reset();
  }
  Statement right(db, "INSERT INTO topmenurights VALUES (?, ?)");
  const struct {
    int64_t number;
    const char* menu;
  } rights[] = {{1001, "FundManage"}, {1001, "TradeDayManage"}, {1001, "SysParameter"},
                {1002, "FundManage"}, {1002, "EntrustTrade"},   {1003, "ReportQuery"}};
  for (const auto& r : rights) {
    right.Bind(1, r.number).Bind(2, r.menu).Step();
    right.Reset();
  }
}

void SeedCalendars(sqlite3* db) {
  Statement insert(db, "INSERT INTO tmarkettradeday VALUES (?, ?, ?)");
  for (const char* code : {"00", "HK", "US", "IN"}) {
    for (const SeedDay& day : CalendarDays(code, kFirstYear, kLastYear)) {
      insert.Bind(1, code).Bind(2, int64_t{day.date}).Bind(3, int64_t{day.kinds}).Step();
      insert.Reset();
    }
  }
}

// Rows added to the general tables: the business location's time zone, the parameters the
// trading rules read (trading-time check, query limits) and two module switches.
void ExtendGeneralTables(sqlite3* db) {
  if (!HasColumn(db, "tsysteminfo", "en_time_zone")) {
    Database::Exec(db, "ALTER TABLE tsysteminfo ADD COLUMN en_time_zone REAL NOT NULL DEFAULT 8");
  }
  Statement parameter(db, "INSERT OR IGNORE INTO tsysparameter (l_serial_no, vc_name, vc_value) VALUES (?, ?, ?)");
  const struct {
    int64_t number;
    const char* name;
    const char* value;
  } parameters[] = {
      {40401, "集成估值系统", "1"},
      {40402, "集成研报系统", "0"},
      {40704, "启用交易时间检查", "1"},
      {60241, "交易时间查询历史天数", "30"},
      {60242, "交易时间查询历史条数", "50000"},
      {60243, "非交易时间查询历史天数", "90"},
      {60244, "非交易时间查询历史条数", "150000"},
  };
  for (const auto& p : parameters) {
    parameter.Bind(1, p.number).Bind(2, p.name).Bind(3, p.value).Step();
    parameter.Reset();
  }
}

}  // namespace

bool CreateReferenceDataIfMissing(sqlite3* db) {
  if (HasTable(db, "tmarketinfo")) return false;
  Database::InTransaction(db, [db] {
    Database::Exec(db, kTables);
    SeedMarkets(db);
    SeedFundsAndOperators(db);
    SeedCalendars(db);
    ExtendGeneralTables(db);
  });
  return true;
}

}  // namespace ruzi::mwd
