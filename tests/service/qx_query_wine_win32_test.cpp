// The named-query dataset as a client uses it: CallService through our wtuxws32.dll to the
// fixture's ruzi-mwd, set as the dataset's call when the library's units start.
#include <gtest/gtest.h>

#include "error_text.h"
#include "library/unit_registry.h"
#include "mwd_server.h"
#include "query/data_field.h"
#include "query/qx_ado_query.h"
#include "query/qx_data_set.h"
#include "service/qx_query_call.h"
#include "service/tuxedo_entries.h"

namespace ruzi {
namespace {

class QxQueryThroughTheMiddleware : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    // Named, so that the unit setting the datasets' call is linked into this program.
    ASSERT_NE(&CallForQuery, nullptr);
    ASSERT_TRUE(UnitRegistry::Instance().StartAll()) << UnitRegistry::Instance().LastStartError();
  }
  void SetUp() override { testing::UseFixtureServer(); }
  void TearDown() override { tpterm(); }
};

TEST_F(QxQueryThroughTheMiddleware, EverySeededQueryAnswers) {
  const struct {
    const char* name;
    const char* condition;
    int rows;
  } cases[] = {{"RC_GetInitDateTime", "", 1},         {"select_sysdate", "", 1},
               {"get_tsysteminfo", "", 1},            {"FutFreeTradeQrySeqNextValue", "sSequenceName=SEQ_WINE.NEXTVAL ", 1},
               {"RC_QueryBusinessDate", "fundid_p=1", 1}, {"RC_QueryBusinessDate", "fundid_p=l_fund_id", 3},
               {"RC_QueryFrezonBusinessDate", "sl_fund_id=7", 1}};
  for (const auto& c : cases) {
    TQXQuery query;
    query.setQueryName(c.name, c.condition, 20);
    query.Open();
    EXPECT_EQ(query.GetRecordCount(), c.rows) << c.name << " " << c.condition;
    EXPECT_FALSE(query.Fields(0)->IsNull()) << c.name;
  }
  TQXQuery info;
  info.setQueryName("get_tsysteminfo");
  info.Open();
  EXPECT_EQ(info.FieldByName("l_init_date")->AsInteger(), 20260105);
}

TEST_F(QxQueryThroughTheMiddleware, AnUnknownQueryRaisesAndStaysClosed) {
  TQXQuery query;
  query.setQueryName("no_such_query");
  const std::string message = testing::ErrorOf([&] { query.Open(); });
  EXPECT_NE(message.find("命名查询[no_such_query]不存在"), std::string::npos) << message;
  EXPECT_FALSE(query.GetActive());
}

TEST_F(QxQueryThroughTheMiddleware, OneHundredThousandRowsArriveWhole) {
  TQXQuery query;
  query.SQL() = {"WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i != 100000)",
                 "SELECT i, 'holding ' || i AS t, i * 0.5 AS f FROM n"};
  query.Open();
  ASSERT_EQ(query.GetRecordCount(), 100000);
  for (int rec = 1; rec <= 100000; rec += 997) {
    ASSERT_EQ(query.ReadRecordText(rec, 0), std::to_string(rec));
    ASSERT_EQ(query.ReadRecordText(rec, 1), "holding " + std::to_string(rec));
  }
  query.Last();
  EXPECT_EQ(query.Fields(0)->AsInteger(), 100000);
}

// Both facade kinds on the fixture server's database file: the named query through the
// middleware, the ADO query through Wine's odbc32 (given the file's Unix path).
TEST_F(QxQueryThroughTheMiddleware, BothFacadeKindsReadOneFile) {
  TADOConnection connection;
  connection.SetConnectionString(std::string("Driver=SQLite3;Database=") + (RUZI_CLIENT_FIXTURE_DIR + 2) +
                                 "/mwd.db;Timeout=5000");
  TCustomAdsDataBase data_base;
  TQXADOQuery ado(nullptr, &connection), named(nullptr, &data_base);
  const std::string sql = "SELECT l_init_date, vc_system_name FROM tsysteminfo";
  ado.QXOpenQuery(sql);
  named.QXOpenQuery(sql);
  EXPECT_EQ(ado.FieldByName("vc_system_name")->AsString(), "投资管理演示系统");
  EXPECT_EQ(ado.FieldByName("vc_system_name")->AsString(), named.FieldByName("vc_system_name")->AsString());
  EXPECT_EQ(ado.FieldByName("l_init_date")->AsInteger(), 20260105);
  const std::string update = "UPDATE tfund_business_date SET l_business_date = l_business_date";
  EXPECT_EQ(ado.QXExecSQL(update), 3);
  EXPECT_EQ(named.QXExecSQL(update), -1);
  const std::string message = testing::ErrorOf([&] { ado.QXOpenQuery("SELECT * FROM no_such_table"); });
  EXPECT_NE(message.find("no such table: no_such_table"), std::string::npos) << message;
  EXPECT_FALSE(ado.GetActive());
}

}  // namespace
}  // namespace ruzi
