// The named-query dataset against ruzi-mwd: its calls travel to a real server over the
// middleware protocol (the native client stands where the DLL's CallService stands under Wine).
#include <gtest/gtest.h>

#include <map>

#include "error_text.h"
#include "mwd_process.h"
#include "query/data_source.h"
#include "query/qx_ado_query.h"
#include "query/qx_data_set.h"
#include "service/qx_comm.h"
#include "vector_file.h"

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

TEST_F(QxDataSetOnTheFixture, ParametersBindByNameExecuteAnswersTheRowsChangedAndFailuresRaise) {
  query_.SQL() = {"SELECT l_fund_id FROM tfund_business_date", "WHERE l_fund_id = :fund"};
  query_.getParams().CreateParam("fund", ftInteger).SetAsString("7");
  query_.Open();
  ASSERT_EQ(query_.GetRecordCount(), 1);
  EXPECT_EQ(query_.Fields(0)->AsInteger(), 7);
  EXPECT_EQ(query_.GetParamsCount(), 1);
  query_.SQL() = {"UPDATE tfund_business_date SET l_business_date = l_business_date WHERE l_fund_id <= :fund"};
  EXPECT_EQ(query_.Execute(), 3);
  EXPECT_FALSE(query_.GetActive());
  // Failures raise their message and leave the dataset closed.
  query_.setQueryName("no_such_query");
  ExpectError([&] { query_.Open(); }, "命名查询[no_such_query]不存在");
  EXPECT_FALSE(query_.GetActive());
  query_.SetServiceCall([](const std::string&, const std::string&, std::string& output, int32_t) {
    output = "服务调用失败";
    return -1;
  });
  ExpectError([&] { query_.Open(); }, "服务调用失败");
  EXPECT_FALSE(query_.GetActive());
  TQXQuery unconnected;
  unconnected.setQueryName("get_tsysteminfo");
  ExpectError([&] { unconnected.Open(); }, "命名查询无法调用服务：未连接中间件");
}

// The one-value fetch the date services use (tests/data/mw_fetched_values.txt): the first field
// of the first row, or the empty answer of that field's type when no row comes.
TEST_F(QxDataSetOnTheFixture, SeededQueriesOpenTypedAndFetchTheirFirstValueOrItsTypesEmptyAnswer) {
  TQxDataSet::SetDefaultServiceCall(Through(client_));
  CheckAnswers("mw_fetched_values.txt", {{"fetch", [](const VectorCase& a) {
                 const Variant value = FetchQueryName(a[0], a[1], std::stoi(a[2]), 0, 0);
                 const VariantKind kind = value.Kind();
                 return (kind == VariantKind::Integer ? "integer " : kind == VariantKind::String ? "string " : "other ") + value.AsString();
               }}});
  TQxDataSet::SetDefaultServiceCall(nullptr);
  // Opened as a dataset: typed fields, and the row limit.
  query_.setQueryName("get_tsysteminfo");
  query_.Open();
  EXPECT_EQ(query_.ClassName(), "TQXQuery");
  EXPECT_EQ(query_.FieldByName("l_init_date")->DataType(), ftInteger);
  EXPECT_EQ(query_.Fields(1)->AsString(), "投资管理演示系统");
  query_.Close();
  query_.setQueryName("RC_QueryBusinessDate", "fundid_p=l_fund_id", 2);
  query_.Open();
  EXPECT_EQ(query_.GetRecordCount(), 2);
}

TEST(QxDataSetPages, RowSetsLargerThanAFrameArriveWholeInOrderWithTheirColumnTypes) {
  MwdProcess server("qx-pages", {"--holdings", "3000", "--max-frame", "65536"});
  TQXQuery query;
  // A connection per call, as a per-call client makes: the kept pages follow their cursor.
  query.SetServiceCall([&](const std::string& service, const std::string& input, std::string& output, int32_t timeout) {
    mwd::NativeClient client = SignedOnClient(server.Port(), "4242:qxpages.exe");
    return Through(client)(service, input, output, timeout);
  });
  query.SQL() = {"WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i != 6000)",
                 "SELECT i, printf('row %08d', i) AS t, CASE WHEN i % 7 = 0 THEN NULL ELSE '' END AS z, "
                 "QX_PAGES.NEXTVAL AS s FROM n"};
  query.Open();
  ASSERT_EQ(query.GetRecordCount(), 6000);
  // The statement ran once for all its pages: one sequence value throughout, the next open the next.
  EXPECT_EQ(query.ReadRecordText(1, 3), "1");
  EXPECT_EQ(query.ReadRecordText(6000, 3), "1");
  query.Close();
  query.Open();
  EXPECT_EQ(query.ReadRecordText(6000, 3), "2");
  for (int rec = 1; rec <= 6000; ++rec) {
    char expected[16];
    std::snprintf(expected, sizeof expected, "row %08d", rec);
    ASSERT_EQ(query.ReadRecordText(rec, 0), std::to_string(rec));
    ASSERT_EQ(query.ReadRecordText(rec, 1), expected);
    ASSERT_EQ(query.ReadRecordText(rec, 2).has_value(), rec % 7 != 0) << rec;
  }
  // The holdings query on one connection.
  mwd::NativeClient client = SignedOnClient(server.Port(), "4242:holdings.exe");
  TQXQuery holdings;
  holdings.SetServiceCall(Through(client));
  holdings.setQueryName("qx_holdings");
  holdings.Open();
  ASSERT_EQ(holdings.GetRecordCount(), 3000);
  std::map<TFieldType, int> types;
  for (int f = 0; f < holdings.GetFieldCount(); ++f) ++types[holdings.Fields(f)->DataType()];
  EXPECT_EQ(types, (std::map<TFieldType, int>{{ftString, 4}, {ftInteger, 2}, {ftFloat, 3}, {ftDateTime, 1}}));
  for (int rec = 1; rec <= 3000; rec += 271) ASSERT_EQ(holdings.ReadRecordText(rec, 0), std::to_string(rec));
  EXPECT_EQ(holdings.ReadRecordText(1, 9), "2026-01-04 00:00:00");
}

// The facade over both kinds, on one database: the fixture server's file, read by the named
// query through the server and by the ADO query through ODBC.
class QxAdoQueryOnOneFile : public QxDataSetOnTheFixture {
 protected:
  QxAdoQueryOnOneFile() {
    connection_.SetConnectionString("Driver=SQLite3;Database=" + FixtureDatabase() + ";Timeout=5000");
    data_base_.SetDataBaseName("main");
    static_cast<TQXQuery*>(named_.Inner())->SetServiceCall(Through(client_));
  }
  TADOConnection connection_;
  TCustomAdsDataBase data_base_;
  TQXADOQuery ado_{nullptr, &connection_};
  TQXADOQuery named_{nullptr, &data_base_};
};

TEST_F(QxAdoQueryOnOneFile, BothKindsReadTheSameRowsAnswerTheirRowsOfTheKindTableAndRaiseErrors) {
  const std::string sql = "SELECT l_fund_id, l_business_date FROM tfund_business_date ORDER BY l_fund_id";
  std::vector<std::string> seen[2];
  TQXADOQuery* kinds[2] = {&ado_, &named_};
  for (int k = 0; k < 2; ++k) {
    kinds[k]->QXOpenQuery("SELECT 1");
    kinds[k]->QXOpenQuery(sql);  // reopened with only the new text
    EXPECT_EQ(kinds[k]->GetSQL(), std::vector<std::string>{sql});
    for (kinds[k]->First(); !kinds[k]->GetEof(); kinds[k]->Next()) {
      seen[k].push_back(kinds[k]->GetFieldValue("l_fund_id").AsString() + "/" +
                        kinds[k]->FieldByName("l_business_date")->AsString());
    }
  }
  EXPECT_EQ(seen[0], (std::vector<std::string>{"1/20260105", "2/20260105", "7/20260102"}));
  EXPECT_EQ(seen[0], seen[1]);
  EXPECT_EQ(ado_.Inner()->ClassName(), "TADOQuery");
  EXPECT_EQ(named_.Inner()->ClassName(), "TQXQuery");

  const std::string update = "UPDATE tfund_business_date SET l_business_date = l_business_date WHERE l_fund_id <= 2";
  EXPECT_EQ(ado_.QXExecSQL(update), 2);
  EXPECT_EQ(ado_.GetRowsAffected(), 2);
  EXPECT_EQ(named_.QXExecSQL(update), -1);
  EXPECT_EQ(named_.GetRowsAffected(), -1);

  named_.SetSQL({"SELECT :p AS v"});
  static_cast<TQXQuery*>(named_.Inner())->getParams().CreateParam("p", ftInteger);
  EXPECT_EQ(named_.GetParamsCount(), 1);
  EXPECT_NE(named_.ParamByName("p"), nullptr);
  EXPECT_EQ(ado_.GetParamsCount(), 0);
  EXPECT_EQ(ado_.ParamByName("p"), nullptr);
  DataSource master;
  // Each kind answers what its own inner dataset keeps, and the other kind's default.
  auto settings = [&](TQXADOQuery& query) {
    query.SetCacheSize(2);
    query.SetMasterSource(&master);
    return query.GetDAtaBaseName() + "|" + query.GetConnectionString() + "|" + std::to_string(query.GetCacheSize()) + "|" +
           std::to_string(query.GetCommandTimeout()) + "|" + (query.GetMasterDataSource() == &master ? "master" : "none");
  };
  EXPECT_EQ(settings(ado_), "|" + connection_.GetConnectionString() + "|2|30|none");
  EXPECT_EQ(settings(named_), "main||0|0|master");
  // Two rows a fetch still bring all three.
  ado_.QXOpenQuery(sql);
  EXPECT_EQ(ado_.GetRecordCount(), 3);
  // Texts and types come through ODBC as the named query gives them.
  ado_.QXOpenQuery("SELECT l_init_date, vc_system_name FROM tsysteminfo");
  EXPECT_EQ(ado_.FieldByName("vc_system_name")->AsString(), "投资管理演示系统");
  EXPECT_EQ(ado_.FieldByName("l_init_date")->DataType(), ftInteger);
  EXPECT_EQ(ado_.FieldByName("l_init_date")->AsInteger(), 20260105);
  // An ODBC error raises the driver's message and leaves the dataset closed.
  ado_.QXOpenQuery("SELECT 1");
  ExpectError([&] { ado_.QXOpenQuery("SELECT * FROM no_such_table"); }, "[SQLite]no such table: no_such_table (1)");
  EXPECT_FALSE(ado_.GetActive());
  TADOConnection nowhere;
  nowhere.SetConnectionString("Driver=NoSuchDriver;Database=x");
  EXPECT_THROW(nowhere.Open(), Error);
  EXPECT_FALSE(nowhere.GetConnected());
}

TEST(QxAdoQueryWithoutInner, ReadsAnswerEmptyExecSqlMinusOneAndActionsRaise) {
  TQXADOQuery none(nullptr, DataSource::ClassRecord());
  EXPECT_EQ(none.Inner(), nullptr);
  EXPECT_EQ(none.ExecSQL(), -1);
  EXPECT_EQ(none.GetRecordCount(), 0);
  EXPECT_THROW(none.Open(), Error);
  EXPECT_THROW(none.QXOpenQuery("SELECT 1"), Error);
  EXPECT_EQ(TQXADOQuery(nullptr, TQXQuery::ClassRecord()).Inner()->ClassName(), "TQXQuery");
  EXPECT_EQ(TQXADOQuery(nullptr, TADOQuery::ClassRecord()).Inner()->ClassName(), "TADOQuery");
}

}  // namespace
}  // namespace ruzi::testing
