// The named-query dataset as a client uses it: CallService through our wtuxws32.dll to the
// fixture's ruzi-mwd, set as the dataset's call when the library's units start.
#include <gtest/gtest.h>

#include "error_text.h"
#include "library/unit_registry.h"
#include "mwd_server.h"
#include "query/data_field.h"
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

}  // namespace
}  // namespace ruzi
