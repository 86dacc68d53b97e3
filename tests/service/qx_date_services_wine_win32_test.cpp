// The date and sequence services end to end: ruzirareva, wtuxws32.dll, pubfunmodel.dll and
// ruzi-mwd under Wine. What the server answers is set by rewriting its stored queries on a
// private server, so a zero date arrives for real; the audit trail counts the queries opened.
#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <thread>

#include "client_calls.h"
#include "foundation/date_time.h"
#include "library/unit_registry.h"
#include "mwd_server.h"
#include "platform/environment.h"
#include "pubfun_log_file.h"
#include "query/qx_data_set.h"
#include "service/qx_comm.h"
#include "service/qx_query_call.h"
#include "service/tuxedo_entries.h"

namespace ruzi {
namespace {

using testing::LoggedLine;

class DateServicesWine : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    // Named, so that the unit setting the datasets' call is linked into this program.
    ASSERT_NE(&CallForQuery, nullptr);
    ASSERT_TRUE(UnitRegistry::Instance().StartAll()) << UnitRegistry::Instance().LastStartError();
  }
  void SetUp() override {
    testing::RemovePubfunLogs();
    platform::SetEnvironment("WSNADDR", server_.Address());
    // The library signs on as an administrator here, who may rewrite the stored queries.
    platform::SetEnvironment("TUXEDO_PASS", RUZI_MWD_TEST_ADMIN_PASSWORD);
  }
  void TearDown() override {
    tpterm();
    platform::UnsetEnvironment("TUXEDO_PASS");
  }

  static void StoreQuery(const std::string& name, const std::string& sql) {
    std::string quoted;
    for (char c : sql) quoted += c == '\'' ? std::string("''") : std::string(1, c);
    TQXQuery update;
    update.SQL() = {"UPDATE qx_named_query SET vc_sql = '" + quoted + "' WHERE vc_name = '" + name + "'"};
    ASSERT_EQ(update.Execute(), 1) << name;
  }
  // Calls of qx_query that opened the stored query `name`.
  static size_t QueriesOpened(const std::string& name) {
    size_t opened = 0;
    for (const testing::AuditEntry& entry : testing::AuditWith("<vc_query_name>" + name + "</vc_query_name>")) {
      opened += entry.service == "qx_query" ? 1 : 0;  // the earlier audit reads carry the marker too
    }
    return opened;
  }

  testing::PrivateServer server_{"qx-dates"};
};

// A date-time as the server's SQL writes a float.
std::string SqlNumber(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.9f", value);
  return text;
}

TEST_F(DateServicesWine, AZeroDateIsFetchedOnceMore) {
  const double init = EncodeDate(2026, 1, 5);
  const double now = EncodeDate(2026, 1, 5) + EncodeTime(9, 30, 0, 0);
  const struct {
    const char* query;
    std::string sql;  // "" keeps the seeded query
    double (*service)();
    double expected;
    size_t opened;
    std::vector<std::string> lines;
  } cases[] = {
      {"RC_GetInitDateTime", "", qxGetDateTime, init, 1, {"获取系统初始化日期，数据库时间"}},
      {"RC_GetInitDateTime", "SELECT CASE WHEN ZERO_ONCE_1.NEXTVAL = 1 THEN 0 ELSE '2026-01-05 00:00:00' END AS d",
       qxGetDateTime, init, 2, {"获取系统初始化日期，数据库时间", "获取系统初始化日期，值为0，重试一次！"}},
      {"RC_GetInitDateTime", "SELECT -1 AS d", qxGetDateTime, -1, 2,
       {"获取系统初始化日期，数据库时间", "获取系统初始化日期，值为0，重试一次！"}},
      // No row at all counts as zero too; the milliseconds of the database's clock go.
      {"select_sysdate",
       "SELECT " + SqlNumber(now + EncodeTime(0, 0, 0, 250)) + " AS d WHERE ZERO_ONCE_2.NEXTVAL > 1",
       qxGetSysDateTime, now, 2, {"获取数据库时间为0 重试一次！", "获取数据库时间:2026-01-05 09:30:00"}},
      {"select_sysdate", "SELECT 'not a date' AS d", qxGetSysDateTime, 0, 2,
       {"获取数据库时间为0 重试一次！", "获取数据库时间失败"}},
  };
  std::vector<LoggedLine> expected_lines;
  size_t opened_before[2] = {0, 0};
  for (const auto& c : cases) {
    const size_t slot = c.service == qxGetDateTime ? 0 : 1;
    if (!c.sql.empty()) StoreQuery(c.query, c.sql);
    EXPECT_DOUBLE_EQ(c.service(), c.expected) << c.sql;
    const size_t opened = QueriesOpened(c.query);
    EXPECT_EQ(opened - opened_before[slot], c.opened) << c.sql;
    opened_before[slot] = opened;
    for (const std::string& line : c.lines) expected_lines.push_back({0, line});
  }
  EXPECT_EQ(testing::DrainedPubfunLines(), expected_lines);
}

TEST_F(DateServicesWine, TheInitDateComesFromTheCacheTheKeptValueOrOneQuery) {
  const struct {
    const char* logined;
    const char* kept;  // nullptr: unset before the call
    int32_t expected;
    size_t opened;   // get_tsysteminfo queries so far
    const char* kept_after;
  } cases[] = {
      {"", "20991231", 20991231, 0, "20991231"},
      {"", nullptr, 20260105, 1, "20260105"},
      {"", "20260105", 20260105, 1, "20260105"},
      {"", "abc", 20260105, 2, "20260105"},
      {"", "-3", 20260105, 3, "20260105"},
      // Signed on: the cache's system record, whatever is kept.
      {"1", "20991231", 20260105, 3, "20991231"},
  };
  for (const auto& c : cases) {
    const std::string shown = std::string(c.logined) + "/" + (c.kept ? c.kept : "(unset)");
    platform::SetEnvironment("logined", c.logined);
    if (c.kept != nullptr) {
      platform::SetEnvironment("InitDateValue", c.kept);
    } else {
      platform::UnsetEnvironment("InitDateValue");
    }
    EXPECT_EQ(qxGetInitDate(), c.expected) << shown;
    EXPECT_EQ(QueriesOpened("get_tsysteminfo"), c.opened) << shown;
    EXPECT_EQ(platform::GetEnvironment("InitDateValue"), c.kept_after) << shown;
  }
  platform::UnsetEnvironment("logined");
}

TEST_F(DateServicesWine, EightThreadsTakeEightHundredDistinctValues) {
  constexpr int kThreads = 8, kCalls = 100;
  std::vector<std::vector<std::string>> taken(kThreads);
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    // A failed call ends its thread's calls (an exception leaving a thread would end the
    // process, and the private server with it unstopped); the count below then shows it.
    threads.emplace_back([&taken, t] {
      try {
        for (int i = 0; i < kCalls; ++i) taken[t].push_back(qxGetSeqNextValue("SEQ_DATES_WINE"));
      } catch (const std::exception& error) {
        ADD_FAILURE() << error.what();
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  std::set<long long> values;
  for (const auto& list : taken) {
    ASSERT_EQ(list.size(), static_cast<size_t>(kCalls));
    for (const std::string& value : list) values.insert(std::stoll(value));
  }
  EXPECT_EQ(values.size(), static_cast<size_t>(kThreads * kCalls));
  EXPECT_EQ(*values.begin(), 1);
  EXPECT_EQ(*values.rbegin(), kThreads * kCalls) << "no value skipped on a fresh server";
}

}  // namespace
}  // namespace ruzi
