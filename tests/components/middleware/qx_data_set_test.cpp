// The named-query dataset against ruzi-mwd: its calls travel to a real server over the
// middleware protocol (the native client stands where the DLL's CallService stands under Wine).
#include <gtest/gtest.h>

#include <map>

#include "error_text.h"
#include "mwd_process.h"
#include "query/qx_data_set.h"
#include "service/qx_comm.h"

namespace ruzi::testing {
namespace {

TQxServiceCall Through(mwd::NativeClient& client) {
  return [&client](const std::string& service, const std::string& input, std::string& output, int32_t timeout) {
    const auto answer = client.Call(service, input, static_cast<uint32_t>(timeout));
    if (!answer) return -3;
    if (const auto* reply = std::get_if<mw::CallReply>(&*answer)) {
      output = reply->data;
      return 0;
    }
    if (const auto* error = std::get_if<mw::ErrorReply>(&*answer)) output = error->text;
    return -1;
  };
}

class QxDataSetOnTheFixture : public ::testing::Test {
 protected:
  QxDataSetOnTheFixture() { query_.SetServiceCall(Through(client_)); }
  mwd::NativeClient client_ = SignedOnClient(FixturePort(), "4242:qxquery.exe");
  TQXQuery query_;
};

TEST_F(QxDataSetOnTheFixture, ASeededQueryOpensWithTypedFields) {
  EXPECT_EQ(query_.ClassName(), "TQXQuery");
  query_.setQueryName("get_tsysteminfo");
  query_.Open();
  ASSERT_EQ(query_.GetRecordCount(), 1);
  EXPECT_EQ(query_.FieldByName("l_init_date")->DataType(), ftInteger);
  EXPECT_EQ(query_.FieldByName("l_init_date")->AsInteger(), 20260105);
  EXPECT_EQ(query_.Fields(1)->AsString(), "投资管理演示系统");
  // The condition trick: the whole table instead of one fund.
  query_.Close();
  query_.setQueryName("RC_QueryBusinessDate", "fundid_p=l_fund_id", 20);
  query_.Open();
  EXPECT_EQ(query_.GetRecordCount(), 3);
  query_.Close();
  query_.setQueryName("RC_QueryBusinessDate", "fundid_p=l_fund_id", 2);
  query_.Open();
  EXPECT_EQ(query_.GetRecordCount(), 2) << "the row limit";
}

TEST_F(QxDataSetOnTheFixture, ParametersBindByNameAndExecuteAnswersTheRowsChanged) {
  query_.SQL() = {"SELECT l_fund_id FROM tfund_business_date", "WHERE l_fund_id = :fund"};
  query_.getParams().CreateParam("fund", ftInteger).SetAsString("7");
  query_.Open();
  ASSERT_EQ(query_.GetRecordCount(), 1);
  EXPECT_EQ(query_.Fields(0)->AsInteger(), 7);
  EXPECT_EQ(query_.GetParamsCount(), 1);
  query_.SQL() = {"UPDATE tfund_business_date SET l_business_date = l_business_date WHERE l_fund_id <= :fund"};
  EXPECT_EQ(query_.Execute(), 3);
  EXPECT_FALSE(query_.GetActive());
}

TEST_F(QxDataSetOnTheFixture, FailuresRaiseTheirMessageAndLeaveTheDatasetClosed) {
  query_.setQueryName("no_such_query");
  ExpectError([&] { query_.Open(); }, "命名查询[no_such_query]不存在");
  EXPECT_FALSE(query_.GetActive());
  query_.SetServiceCall([](const std::string&, const std::string&, std::string& output, int32_t) {
    output = "服务调用失败";
    return -1;
  });
  ExpectError([&] { query_.Open(); }, "服务调用失败");
  EXPECT_FALSE(query_.GetActive());
  query_.SetServiceCall([](const std::string&, const std::string&, std::string& output, int32_t) {
    output = "<ErrCode>0</ErrCode><l_count>1</l_count>";
    return 0;
  });
  ExpectError([&] { query_.Open(); }, "命名查询应答有误：缺少数据项");
  EXPECT_FALSE(query_.GetActive());
  TQXQuery unconnected;
  unconnected.setQueryName("get_tsysteminfo");
  ExpectError([&] { unconnected.Open(); }, "命名查询无法调用服务：未连接中间件");
}

// The one-value fetch the date services use: the first field of the first row, or the empty
// answer of that field's type when no row comes.
TEST_F(QxDataSetOnTheFixture, FetchQueryNameAnswersTheFirstValueOrItsTypesEmptyAnswer) {
  TQxDataSet::SetDefaultServiceCall(Through(client_));
  const struct {
    const char* name;
    const char* params;
    int32_t max_rows;
    Variant expected;
  } cases[] = {
      {"get_tsysteminfo", "", 20, Variant::FromInteger(20260105)},
      {"RC_GetInitDateTime", "", 20, Variant::FromString("2026-01-05 00:00:00")},
      {"RC_QueryFrezonBusinessDate", "sl_fund_id=l_fund_id", 1, Variant::FromInteger(20260102)},
      {"RC_QueryBusinessDate", "fundid_p=99", 20, Variant::FromInteger(0)},  // an integer field
      {"select_sysdate", "", 20, Variant::FromString("2026-01-05 09:30:00")},
  };
  for (const auto& c : cases) {
    const Variant value = FetchQueryName(c.name, c.params, c.max_rows, 0, 0);
    EXPECT_EQ(value.Kind(), c.expected.Kind()) << c.name << " " << c.params;
    EXPECT_EQ(value.AsString(), c.expected.AsString()) << c.name << " " << c.params;
  }
  ExpectError([] { FetchQueryName("no_such_query", "", 20, 0, 0); }, "命名查询[no_such_query]不存在");
  TQxDataSet::SetDefaultServiceCall(nullptr);
}

TEST(QxDataSetPages, ARowSetLargerThanAFrameArrivesWholeInOrder) {
  MwdProcess server("qx-pages", {"--max-frame", "65536"});
  mwd::NativeClient client = SignedOnClient(server.Port(), "4242:qxpages.exe");
  TQXQuery query;
  query.SetServiceCall(Through(client));
  query.SQL() = {"WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i != 6000)",
                 "SELECT i, printf('row %08d', i) AS t, CASE WHEN i % 7 = 0 THEN NULL ELSE '' END AS z FROM n"};
  query.Open();
  ASSERT_EQ(query.GetRecordCount(), 6000);
  for (int rec = 1; rec <= 6000; ++rec) {
    char expected[16];
    std::snprintf(expected, sizeof expected, "row %08d", rec);
    ASSERT_EQ(query.ReadRecordText(rec, 0), std::to_string(rec));
    ASSERT_EQ(query.ReadRecordText(rec, 1), expected);
    ASSERT_EQ(query.ReadRecordText(rec, 2).has_value(), rec % 7 != 0) << rec;
  }
}

TEST(QxDataSetPages, TheHoldingsQueryBringsEveryRowWithItsColumnTypes) {
  MwdProcess server("qx-holdings", {"--holdings", "3000", "--max-frame", "65536"});
  mwd::NativeClient client = SignedOnClient(server.Port(), "4242:holdings.exe");
  TQXQuery query;
  query.SetServiceCall(Through(client));
  query.setQueryName("qx_holdings");
  query.Open();
  ASSERT_EQ(query.GetRecordCount(), 3000);
  std::map<TFieldType, int> types;
  for (int f = 0; f < query.GetFieldCount(); ++f) ++types[query.Fields(f)->DataType()];
  EXPECT_EQ(types, (std::map<TFieldType, int>{{ftString, 4}, {ftInteger, 2}, {ftFloat, 3}, {ftDateTime, 1}}));
  for (int rec = 1; rec <= 3000; rec += 271) ASSERT_EQ(query.ReadRecordText(rec, 0), std::to_string(rec));
  EXPECT_EQ(query.ReadRecordText(1, 9), "2026-01-04 00:00:00");
}

}  // namespace
}  // namespace ruzi::testing
