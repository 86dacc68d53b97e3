// The named queries of the fixture server beyond single answers (those are in mw_calls.txt):
// pages arrive whole and in order, sequences never hand out a value twice.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <set>
#include <thread>

#include "call_answers.h"
#include "mwd_process.h"
#include "packets/tagged_package.h"
#include "packets/unpack.h"

namespace ruzi::testing {
namespace {

struct QueryAnswer {
  int32_t code = -1;
  std::string message, nulls;
  int64_t more = -1, next_row = -1;
  std::vector<std::vector<std::string>> rows;
};

QueryAnswer Query(mwd::NativeClient& client, const std::string& request) {
  TqxPackage package(ReplyOf(client.Call("qx_query", request)).data);
  QueryAnswer answer;
  package.GetItem("ErrCode", answer.code);
  package.GetItem("ErrMsg", answer.message);
  package.GetItem("vc_nulls", answer.nulls);
  package.GetItem("l_more", answer.more);
  package.GetItem("l_next_row", answer.next_row);
  std::string packet;
  if (!package.GetItem("vc_data", packet)) return answer;
  TUnpack unpack(true);
  unpack.Open(packet.data(), static_cast<int32_t>(packet.size()));
  TUnpackSection& section = unpack.GetSection(0);
  for (section.First(); !section.Eof() && section.RowCount() > 0; section.Next()) {
    std::vector<std::string> row;
    for (int32_t c = 0; c < section.ColCount(); ++c) row.push_back(section.GetField(c).GetAsString());
    answer.rows.push_back(std::move(row));
    if (static_cast<int32_t>(answer.rows.size()) == section.RowCount()) break;
  }
  return answer;
}

std::string Named(const std::string& name, const std::string& condition = "") {
  return "<vc_query_name>" + name + "</vc_query_name><vc_condition>" + condition + "</vc_condition>";
}

class NamedQueries : public ::testing::Test {
 protected:
  mwd::NativeClient client_ = SignedOnClient(FixturePort(), "4242:query.exe");
};

TEST_F(NamedQueries, PagesArriveWholeInOrderWithNullsApartFromEmptyTexts) {
  const std::string sql =
      "<vc_sql>WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i != 2500) "
      "SELECT i, 'x' || i AS t, CASE WHEN i % 3 = 0 THEN NULL ELSE '' END AS z FROM n WHERE i BETWEEN :low AND 99999</vc_sql>"
      "<low>1</low><l_max_rows>1000</l_max_rows>";
  std::vector<int64_t> seen;
  int64_t next = 0;
  std::vector<int64_t> page_sizes;
  for (int page = 0; page < 5; ++page) {
    const QueryAnswer answer = Query(client_, sql + "<l_first_row>" + std::to_string(next) + "</l_first_row>");
    ASSERT_EQ(answer.code, 0) << answer.message;
    page_sizes.push_back(static_cast<int64_t>(answer.rows.size()));
    std::string expected_nulls;
    for (const auto& row : answer.rows) {
      const int64_t i = std::stoll(row[0]);
      seen.push_back(i);
      EXPECT_EQ(row[1], "x" + row[0]);
      EXPECT_EQ(row[2], "");
      expected_nulls += std::string(expected_nulls.empty() ? "" : ",") + (i % 3 == 0 ? "001" : "000");
    }
    EXPECT_EQ(answer.nulls, expected_nulls);
    EXPECT_EQ(answer.next_row, next + static_cast<int64_t>(answer.rows.size()));
    next = answer.next_row;
    if (answer.more == 0) break;
  }
  EXPECT_EQ(page_sizes, (std::vector<int64_t>{1000, 1000, 500}));
  ASSERT_EQ(seen.size(), 2500u);
  for (size_t k = 0; k < seen.size(); ++k) ASSERT_EQ(seen[k], static_cast<int64_t>(k + 1));
}

TEST(NamedQuerySequences, EightThreadsNeverShareAValue) {
  const std::string sequence = "SEQ_T" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count());
  constexpr int kThreads = 8, kCalls = 25;
  std::vector<std::vector<int64_t>> values(kThreads);
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([&, t] {
      mwd::NativeClient client = SignedOnClient(FixturePort(), "4242:seq.exe");
      for (int k = 0; k < kCalls; ++k) {
        // The trailing blank is the callers' own.
        const QueryAnswer answer = Query(client, Named("FutFreeTradeQrySeqNextValue", "sSequenceName=" + sequence + ".NEXTVAL "));
        if (answer.rows.size() == 1) values[static_cast<size_t>(t)].push_back(std::stoll(answer.rows[0][0]));
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  std::vector<int64_t> all;
  for (const auto& some : values) all.insert(all.end(), some.begin(), some.end());
  std::sort(all.begin(), all.end());
  ASSERT_EQ(all.size(), static_cast<size_t>(kThreads * kCalls));
  for (size_t k = 0; k < all.size(); ++k) ASSERT_EQ(all[k], static_cast<int64_t>(k + 1)) << "a value twice or skipped";
}

}  // namespace
}  // namespace ruzi::testing
