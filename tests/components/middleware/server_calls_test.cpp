// Calls and their exact answers, read from tests/data/mw_calls.txt and made in file order (a
// line may depend on what an earlier one changed). Each line names who calls: on the fixture's
// server an operator, an administrator or a connection never signed on; "desk" and "root" on a
// server of its own with a user list; "anyone" on one started without credentials; "nodemo" an
// administrator on one started with --no-demo. Beyond single answers: pages of a query and
// sequences shared by many callers.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <map>
#include <memory>

#include "call_answers.h"
#include "mw_section_rows.h"
#include "mwd_process.h"
#include "packets/tagged_package.h"
#include "test_paths.h"
#include "vector_file.h"

namespace ruzi::testing {
namespace {

MwdProcess* SiteServer() {
  static const auto server = std::make_unique<MwdProcess>("site", SiteUsers("site"));
  return server.get();
}

// Stays open between lines: who never signs on keeps one connection.
mwd::NativeClient& Caller(const std::string& who) {
  static std::map<std::string, std::unique_ptr<mwd::NativeClient>> callers;
  static std::unique_ptr<MwdProcess> bare, no_demo;
  auto& caller = callers[who];
  if (caller) return *caller;
  if (who == "op") caller = std::make_unique<mwd::NativeClient>(SignedOnClient(FixturePort(), "4242:trader.exe"));
  if (who == "admin") caller = std::make_unique<mwd::NativeClient>(AdministratorClient(FixturePort()));
  if (who == "none") caller = std::make_unique<mwd::NativeClient>("127.0.0.1", FixturePort());
  if (who == "desk") caller = std::make_unique<mwd::NativeClient>(SignedOnClient(SiteServer()->Port(), "desk", "d3sk"));
  if (who == "root") caller = std::make_unique<mwd::NativeClient>(SignedOnClient(SiteServer()->Port(), "root", "r00t"));
  if (who == "anyone") {
    bare = std::make_unique<MwdProcess>("bare", std::vector<std::string>{}, std::vector<std::string>{"RUZI_MWD_CREDENTIALS="});
    EXPECT_NE(bare->LogText().find("every sign-on is an operator"), std::string::npos);
    caller = std::make_unique<mwd::NativeClient>(SignedOnClient(bare->Port(), "root", "r00t"));
  }
  if (who == "nodemo") {
    no_demo = std::make_unique<MwdProcess>("no-demo", std::vector<std::string>{"--no-demo"});
    caller = std::make_unique<mwd::NativeClient>(AdministratorClient(no_demo->Port()));
  }
  if (!caller) throw std::runtime_error("no caller " + who);
  return *caller;
}

// "id:<n>" calls by service id, "fn:<n>" by function number, anything else by name; "@<ms>"
// after it sets a time-out, "@<ms>-" one without the flag that makes it count.
mw::CallRequest Request(std::string service, const std::string& data) {
  mw::CallRequest request;
  request.data = data;
  if (const size_t at = service.find('@'); at != std::string::npos) {
    request.timeout_ms = static_cast<uint32_t>(std::stoul(service.substr(at + 1)));
    request.flags = service.ends_with("-") ? 0 : mw::kCallTimeoutOn;
    service.resize(at);
  }
  if (service.starts_with("id:") || service.starts_with("fn:")) {
    request.kind = service[0] == 'i' ? mw::CallKind::ById : mw::CallKind::ByFunction;
    request.number = std::stoi(service.substr(3));
  } else {
    request.service = service;
  }
  return request;
}

// A query's answer: its items as texts, and its rows.
struct QueryAnswer {
  std::string code, message, fields, nulls, more, next_row, affected;
  std::vector<std::vector<std::string>> rows;
};

QueryAnswer ParseQuery(const std::string& reply) {
  TqxPackage package(reply);
  QueryAnswer answer;
  const std::pair<const char*, std::string*> items[] = {
      {"ErrCode", &answer.code},     {"ErrMsg", &answer.message},       {"vc_fields", &answer.fields},
      {"vc_nulls", &answer.nulls},   {"l_more", &answer.more},          {"l_next_row", &answer.next_row},
      {"l_rows_affected", &answer.affected}};
  for (const auto& [name, value] : items) package.GetItem(name, *value);
  answer.rows = ItemRows(reply, "vc_data").rows;
  return answer;
}

QueryAnswer Query(mwd::NativeClient& client, const std::string& request) {
  return ParseQuery(ReplyOf(client.Call("qx_query", request)).data);
}

// The answer as code|message|fields|row count|first value|rows changed.
std::string QueryText(const std::string& reply) {
  const QueryAnswer a = ParseQuery(reply);
  return a.code + "|" + a.message + "|" + a.fields + "|" + std::to_string(a.rows.size()) + "|" +
         (a.rows.empty() ? "" : a.rows[0][0]) + "|" + a.affected;
}

// A reply as its data (after "<message>: " when it has one), an error as "error <number>: <text>".
std::string AnswerText(const std::string& service, const std::optional<mw::Message>& answer) {
  if (!answer) return "no answer";
  if (const auto* error = std::get_if<mw::ErrorReply>(&*answer)) {
    return "error " + std::to_string(error->error_number) + ": " + error->text;
  }
  const mw::CallReply reply = ReplyOf(answer);
  if (service == "qx_query") return QueryText(reply.data);
  return reply.message.empty() ? reply.data : reply.message + ": " + reply.data;
}

// "reply" stands for any reply; "error <number>" leaves the text open; a trailing "..." the rest.
bool Matches(const std::string& got, const std::string& expected) {
  if (expected == "reply") return !got.starts_with("error ") && got != "no answer";
  if (expected.starts_with("error ") && expected.find(':') == std::string::npos) return got.starts_with(expected + ":");
  if (expected.ends_with("...")) return got.starts_with(expected.substr(0, expected.size() - 3));
  return got == expected;
}

// The lines whose caller is on the fixture's server, or the others.
void CallAsTheFileSays(bool on_the_fixture) {
  for (const VectorCase& c : ReadVectors("mw_calls.txt")) {
    ASSERT_GE(c.size(), 3u) << c[0];
    if ((c[0] == "op" || c[0] == "admin" || c[0] == "none") != on_the_fixture) continue;
    const std::string data = c.size() > 3 ? c[2] : "";
    const std::string got = AnswerText(c[1], Caller(c[0]).Ask(Request(c[1], data)));
    EXPECT_TRUE(Matches(got, c.back())) << c[0] << " " << c[1] << " " << data << "\n  got: " << got << "\n want: " << c.back();
  }
}

TEST(MiddlewareCalls, OnTheFixturesServer) { CallAsTheFileSays(true); }
TEST(MiddlewareCalls, OnServersOfTheirOwn) { CallAsTheFileSays(false); }

// Pages of a statement, asked for row by row: whole, in order, NULLs apart from empty texts.
TEST(NamedQueries, PagesArriveWholeInOrderWithNullsApartFromEmptyTexts) {
  mwd::NativeClient client = SignedOnClient(FixturePort(), "4242:query.exe");
  const std::string sql =
      "<vc_sql>WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i != 2500) "
      "SELECT i, 'x' || i AS t, CASE WHEN i % 3 = 0 THEN NULL ELSE '' END AS z FROM n WHERE i BETWEEN :low AND 99999</vc_sql>"
      "<low>1</low><l_max_rows>1000</l_max_rows>";
  std::vector<int64_t> seen;
  int64_t next = 0;
  std::vector<size_t> page_sizes;
  for (int page = 0; page < 5; ++page) {
    const QueryAnswer answer = Query(client, sql + "<l_first_row>" + std::to_string(next) + "</l_first_row>");
    ASSERT_EQ(answer.code, "0") << answer.message;
    page_sizes.push_back(answer.rows.size());
    std::string expected_nulls;
    for (const auto& row : answer.rows) {
      const int64_t i = std::stoll(row[0]);
      seen.push_back(i);
      EXPECT_EQ(row[1], "x" + row[0]);
      EXPECT_EQ(row[2], "");
      expected_nulls += std::string(expected_nulls.empty() ? "" : ",") + (i % 3 == 0 ? "001" : "000");
    }
    EXPECT_EQ(answer.nulls, expected_nulls);
    EXPECT_EQ(std::stoll(answer.next_row), next + static_cast<int64_t>(answer.rows.size()));
    next = std::stoll(answer.next_row);
    if (answer.more == "0") break;
  }
  EXPECT_EQ(page_sizes, (std::vector<size_t>{1000, 1000, 500}));
  ASSERT_EQ(seen.size(), 2500u);
  for (size_t k = 0; k < seen.size(); ++k) ASSERT_EQ(seen[k], static_cast<int64_t>(k + 1));
}

TEST(NamedQuerySequences, EightThreadsNeverShareAValue) {
  const std::string sequence = "SEQ_T" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count());
  constexpr int kThreads = 8, kCalls = 25;
  std::vector<std::vector<int64_t>> values(kThreads);
  OnClients(FixturePort(), kThreads, [&](mwd::NativeClient& client, int t) {
    for (int k = 0; k < kCalls; ++k) {
      // The trailing blank is the callers' own.
      const QueryAnswer answer = Query(client, "<vc_query_name>FutFreeTradeQrySeqNextValue</vc_query_name><vc_condition>sSequenceName=" +
                                                   sequence + ".NEXTVAL </vc_condition>");
      if (answer.rows.size() == 1) values[static_cast<size_t>(t)].push_back(std::stoll(answer.rows[0][0]));
    }
  }, "4242:seq.exe");
  std::vector<int64_t> all;
  for (const auto& some : values) all.insert(all.end(), some.begin(), some.end());
  std::sort(all.begin(), all.end());
  ASSERT_EQ(all.size(), static_cast<size_t>(kThreads * kCalls));
  for (size_t k = 0; k < all.size(); ++k) ASSERT_EQ(all[k], static_cast<int64_t>(k + 1)) << "a value twice or skipped";
}

}  // namespace
}  // namespace ruzi::testing
