// Large answers of the shared fixture server, and the audit trail of what arrived.
#include <gtest/gtest.h>

#include <chrono>

#include "audit_reader.h"
#include "call_answers.h"
#include "error_numbers.h"
#include "mwd_process.h"
#include "sha256.h"
#include "mw_section_rows.h"
#include "vector_file.h"

namespace ruzi::testing {
namespace {

std::string Marker(const std::string& name) {
  return name + "-" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count());
}

class MiddlewareFixture : public ::testing::Test {
 protected:
  mwd::NativeClient client_ = SignedOnClient(FixturePort(), "4242:trader.exe");
};

TEST_F(MiddlewareFixture, LargeRepliesHaveExactlyTheAskedSize) {
  const std::string head = "<ErrCode>0</ErrCode><ErrMsg></ErrMsg><Data>";
  for (size_t size : {size_t{0}, size_t{1}, size_t{49}, size_t{50}, size_t{51}, size_t{5000}, size_t{100 * 1024},
                      size_t{3u << 20}}) {
    std::string data = ReplyOf(client_.Call("demo_large", "<size>" + std::to_string(size) + "</size>")).data;
    ASSERT_EQ(data.size(), size);
    if (size >= head.size() + 7) {
      EXPECT_EQ(data.substr(0, head.size()), head);
      EXPECT_EQ(data.substr(size - 7), "</Data>");
      for (size_t i = head.size(); i < size - 7; ++i) {
        ASSERT_EQ(data[i], static_cast<char>('0' + (i - head.size()) % 10)) << "byte " << i;
      }
    }
  }
  EXPECT_EQ(ErrorOf(client_.Call("demo_large", "<size>999999999</size>")).error_number, mw::kMwLimit);
}

// A long request with zero bytes, its marker in the middle.
std::string LongBinaryRequest(const std::string& marker) {
  std::string half;
  for (int i = 0; half.size() < 2048; ++i) half += std::string("\0\x01<l_row>", 9) + std::to_string(i * 7919) + "</l_row>";
  return half + marker + half;
}

// Calls by name, id and function number, failing ones, a binary one long enough to be stored
// compressed and two CARRAY ones at and past the 64 KB a row keeps: the table holds each as it
// arrived, NULs included (a longer one by its start, length and digest), and the audit service's
// section packet agrees with the table row for row.
TEST_F(MiddlewareFixture, CallsAreAuditedAsTheyArrivedAndTheServiceReadsTheRowsBack) {
  const std::string marker = Marker("trail");
  std::vector<std::string> requests = {"name " + marker, "id " + marker, std::string("fn\0\x01\xFF ", 6) + marker,
                                       "missing " + marker, LongBinaryRequest(marker), "abort " + marker,
                                       marker + std::string(65536 - marker.size(), 'L'), marker + std::string(100000, 'L')};
  ReplyOf(client_.Call("demo_echo", requests[0], 30000, "route-A"));
  mw::CallRequest by_number;
  by_number.kind = mw::CallKind::ById;
  by_number.number = 10001;
  by_number.data = requests[1];
  ReplyOf(client_.Ask(by_number));
  by_number.kind = mw::CallKind::ByFunction;
  by_number.number = 9001;
  by_number.route = "route-B";
  by_number.data = requests[2];
  ReplyOf(client_.Ask(by_number));
  ErrorOf(client_.Call("no_such_service", requests[3]));
  ReplyOf(client_.Call("demo_carray", requests[4], 0, "r2"));
  ErrorOf(client_.Call("demo_abort", requests[5]));
  for (size_t i : {6, 7}) {
    mw::CallRequest carray;
    carray.service = "demo_carray";
    carray.buffer_type = "CARRAY";
    carray.data = requests[i];
    EXPECT_EQ(ReplyOf(client_.Ask(carray)).data, requests[i]);
  }

  std::string reply = ReplyOf(AdministratorClient(FixturePort()).Call("mw_audit", "<vc_marker>" + marker + "</vc_marker>")).data;
  // The query itself carries the marker too: it is the last row, stored after it answered.
  auto direct = AuditRowsWith(FixtureDatabase(), marker, 9);
  ASSERT_EQ(direct.size(), 9u);
  EXPECT_EQ(direct[8].service, "mw_audit");
  EXPECT_NE(direct[8].session, direct[0].session);  // asked on a connection of its own
  direct.pop_back();
  const char* expected[] = {"name demo_echo 0 route-A STRING 0", "id 10001 10001   0", "function 9001 9001 route-B  0",
                            "name no_such_service 0  STRING 6", "name demo_carray 0 r2 STRING 0", "name demo_abort 0  STRING 1",
                            "name demo_carray 0  CARRAY 0", "name demo_carray 0  CARRAY 0"};
  const SectionRows read = ItemRows(reply, "vc_audit");
  ASSERT_EQ(read.rows.size(), direct.size());
  for (size_t i = 0; i < direct.size(); ++i) {
    const AuditRow& row = direct[i];
    EXPECT_EQ(read.Named(i, "l_id") + " " + read.Named(i, "vc_service") + " " + read.Named(i, "vc_route") + " " +
                  read.Named(i, "l_status") + " " + read.Named(i, "l_session"),
              std::to_string(row.id) + " " + row.service + " " + row.route + " " + std::to_string(row.status) + " " +
                  std::to_string(row.session));
    EXPECT_EQ(FromHex(read.Named(i, "vc_request_hex")), row.request);
    EXPECT_EQ(row.kind + " " + row.service + " " + std::to_string(row.number) + " " + row.route + " " + row.buffer_type + " " +
                  std::to_string(row.status), expected[i]);
    EXPECT_EQ(row.request, requests[i].substr(0, 65536));
    EXPECT_EQ(row.request_length, static_cast<int64_t>(requests[i].size()));
    EXPECT_EQ(row.request_sha256, requests[i].size() > 65536 ? mwd::Sha256Hex(requests[i]) : "");
    EXPECT_EQ(row.session, direct[0].session);  // one connection, one context
    EXPECT_LE(row.started_us, row.ended_us);
    if (i > 0) {
      EXPECT_LE(direct[i - 1].ended_us, row.started_us);
    }
  }
  EXPECT_EQ(Column(FixtureDatabase(), "SELECT request_compressed = " + std::to_string(requests[4].size()) + " AND length(request) * 2 < " +
                                          std::to_string(requests[4].size()) + " FROM mw_audit WHERE id = " + std::to_string(direct[4].id)),
            std::vector<std::string>{"1"});
}

}  // namespace
}  // namespace ruzi::testing
