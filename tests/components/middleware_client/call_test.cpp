// Calls against the fixture's server: each kind of call, each error number the server can
// give, asynchronous replies out of order, routes, and contexts.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <set>
#include <string>
#include <thread>

#include "client_calls.h"
#include "client_entries.h"
#include "mwd_server.h"
#include "packets/tagged_package.h"
#include "vector_file.h"

namespace ruzi::testing {
namespace {

std::string Item(const std::string& reply, const std::string& name) {
  std::string value;
  TqxPackage(reply).GetItem(name, value);
  return value;
}

class ClientCalls : public ::testing::Test {
 protected:
  void SetUp() override {
    UseFixtureServer();
    ASSERT_EQ(SignOn(), 0) << Client().tpstrerror(Client().gettperrno());
  }
  void TearDown() override { Client().tpterm(); }
  const ClientEntries& c = Client();
};

// Text calls from tests/data/mw_client_calls.txt: service, request, time-out, flag and the
// answer, the reply's text or "error <number>: <text>".
TEST_F(ClientCalls, TextCallsGetTheKnownAnswers) {
  for (const VectorCase& v : ReadVectors("mw_client_calls.txt")) {
    ASSERT_EQ(v.size(), 5u);
    const TextCall call = CallText(v[0], v[1], std::stoi(v[2]), std::stoi(v[3]));
    const std::string got = call.status == 0 ? call.reply : "error " + std::to_string(call.error_number) + ": " + call.error_text;
    EXPECT_EQ(got, v[4]) << v[0] << " " << v[1];
    EXPECT_EQ(call.status, call.error_number == 0 ? 0 : -1) << v[0];
    if (call.status == 0) {
      EXPECT_EQ(call.reply_length, static_cast<int32_t>(call.reply.size() + 1));  // a STRING counts its NUL
      EXPECT_EQ(c.gettpurcode(), 0);
    }
  }
}

TEST_F(ClientCalls, HundredKilobyteReplyGrowsAOneKilobyteBuffer) {
  constexpr int32_t kSize = 100 * 1024;
  TextCall call = CallText("demo_large", "<size>" + std::to_string(kSize) + "</size>", 30000, 1, 1024);
  ASSERT_EQ(call.status, 0) << call.error_text;
  ASSERT_EQ(call.reply.size(), static_cast<size_t>(kSize));
  EXPECT_EQ(call.reply_length, kSize + 1);
  EXPECT_EQ(Item(call.reply, "Data").substr(0, 12), "012345678901");  // the bytes themselves are the server's test

  // The raw form reports the exact byte count.
  char* in = c.tpalloc("CARRAY", nullptr, 64);
  char* out = c.tpalloc("CARRAY", nullptr, 1024);
  std::string request = "<size>" + std::to_string(kSize) + "</size>";
  std::memcpy(in, request.data(), request.size());
  int32_t length = 0;
  ASSERT_EQ(c.tpcallex("demo_large", in, static_cast<int32_t>(request.size()), &out, &length, 0, 30000, 1), 0);
  EXPECT_EQ(length, kSize);
  EXPECT_EQ(std::string(out, static_cast<size_t>(length)), call.reply);
  c.tpfree(in);
  c.tpfree(out);
}

// A reply buffer made of the request's type when none is given, raw bytes with their NULs,
// a field buffer as its bytes in use, and calls by service id.
TEST_F(ClientCalls, EachBufferKindTravelsAsItsBytesToNamesAndIds) {
  char* in = c.tpalloc("STRING", nullptr, 32);
  std::strcpy(in, "<x>new buffer</x>");
  char* out = nullptr;
  int32_t length = 0;
  ASSERT_EQ(c.tpcall("demo_echo", in, 0, &out, &length, 0, 30000, 1), 0);
  ASSERT_NE(out, nullptr);
  EXPECT_EQ(Item(out, "Request"), "<x>new buffer</x>");
  EXPECT_EQ(length, static_cast<int32_t>(std::strlen(out) + 1));
  ASSERT_EQ(c.tpcallSvrId(10001, in, 18, &out, &length, 0, 30000, 1), 0);
  EXPECT_EQ(Item(out, "Request"), "<x>new buffer</x>");
  EXPECT_EQ(c.tpcallSvrId(4242, in, 18, &out, &length, 0, 30000, 1), -1);
  EXPECT_EQ(c.gettperrno(), 6);
  EXPECT_NE(std::string(c.tpstrerror(6)).find("4242"), std::string::npos);
  c.tpfree(out);
  c.tpfree(in);

  const std::string bytes("a\0b\0\0c\xff", 7);
  in = c.tpalloc("CARRAY", nullptr, 16);
  std::memcpy(in, bytes.data(), bytes.size());
  out = c.tpalloc("CARRAY", nullptr, 2);
  ASSERT_EQ(c.tpcallex("demo_carray", in, 7, &out, &length, 0, 30000, 1), 0);
  EXPECT_EQ(std::string(out, static_cast<size_t>(length)), bytes);
  // A request longer than its buffer is refused before anything is sent.
  EXPECT_EQ(c.tpcallex("demo_carray", in, 17, &out, &length, 0, 30000, 1), -1);
  EXPECT_EQ(c.gettperrno(), 4);
  c.tpfree(in);

  char* fields = c.tpalloc("FML32", nullptr, 128);
  ASSERT_EQ(c.Fadd(fields, (5 << 25) | 7, const_cast<char*>("组合"), 0), 0);
  uint32_t used = 0;
  std::memcpy(&used, fields, 4);
  ASSERT_EQ(c.tpcall("demo_carray", fields, 0, &out, &length, 0, 30000, 1), 0);
  EXPECT_EQ(std::string(out, static_cast<size_t>(length)), std::string(fields, used));
  c.tpfree(fields);
  c.tpfree(out);
}

TEST_F(ClientCalls, FunctionCallHandsTheReplyOverInProcessHeapMemory) {
  const std::string packet("\x02pk\0et", 7);
  char* reply = nullptr;
  int32_t reply_length = 0;
  char* text = c.tpalloc("STRING", nullptr, 4);  // smaller than the message: grown
  int32_t text_length = 0;
  ASSERT_EQ(c.tpcallSvrIdEx(9001, packet.data(), 7, &reply, &reply_length, &text, &text_length, 1, 30000, 1), 0);
  ASSERT_NE(reply, nullptr);
  EXPECT_EQ(std::string(reply, static_cast<size_t>(reply_length)), packet);
  EXPECT_STREQ(text, "功能号9001处理成功");
  EXPECT_EQ(text_length, static_cast<int32_t>(std::strlen(text)));
  // The caller's release is the process heap's: the block must belong to it.
  EXPECT_TRUE(HeapValidate(GetProcessHeap(), 0, reply));
  EXPECT_TRUE(HeapFree(GetProcessHeap(), 0, reply));

  // A failing function: status -1, the server's message in the text buffer.
  reply = nullptr;
  EXPECT_EQ(c.tpcallSvrIdEx(9002, packet.data(), 7, &reply, &reply_length, &text, &text_length, 1, 30000, 1), -1);
  EXPECT_EQ(c.gettperrno(), 11);
  EXPECT_STREQ(text, "功能号9002处理失败: 演示错误");
  EXPECT_EQ(reply, nullptr);

  // Mode 0: the reply is a typed buffer, released with tpfree.
  ASSERT_EQ(c.tpcallSvrIdEx(9001, packet.data(), 7, &reply, &reply_length, &text, &text_length, 0, 30000, 1), 0);
  EXPECT_EQ(std::string(reply, 7), packet);
  c.tpfree(reply);
  c.tpfreeEx(text, text_length);
}

TEST_F(ClientCalls, WithoutAContextTheCallFailsWithNumberNine) {
  c.tpterm();
  EXPECT_EQ(c.getconnectstate(), 0);
  TextCall call = CallText("demo_echo", "<x>1</x>");
  EXPECT_EQ(call.status, -1);
  EXPECT_EQ(call.error_number, 9);
  EXPECT_EQ(c.tpacall("demo_echo", nullptr, 0, 0), -1);
  EXPECT_EQ(c.gettperrno(), 9);
  EXPECT_EQ(c.tpterm(), 0);  // ending no context is no failure
}

TEST_F(ClientCalls, AsynchronousRepliesAreMatchedToTheirCalls) {
  char* slow = c.tpalloc("STRING", nullptr, 64);
  std::strcpy(slow, "<ms>400</ms><tag>first</tag>");
  char* quick = c.tpalloc("STRING", nullptr, 64);
  std::strcpy(quick, "<tag>second</tag>");
  int32_t first = c.tpacall("demo_slow", slow, 0, 0);
  int32_t second = c.tpacall("demo_echo", quick, 0, 0);
  ASSERT_GT(first, 0);
  ASSERT_GT(second, 0);
  ASSERT_NE(first, second);
  // The slow call's answer comes first on the wire; asking for the second keeps it.
  char* out = c.tpalloc("STRING", nullptr, 8);
  int32_t length = 0;
  ASSERT_EQ(c.tpgetrply(second, &out, &length, 0), 0);
  EXPECT_EQ(Item(out, "Request"), "<tag>second</tag>");
  ASSERT_EQ(c.tpgetrply(first, &out, &length, 0), 0);
  EXPECT_EQ(Item(out, "ms"), "400");
  EXPECT_EQ(c.tpgetrply(first, &out, &length, 0), -1);  // handed out once only
  EXPECT_EQ(c.gettperrno(), 2);

  // Without waiting: nothing yet, then the answer.
  std::strcpy(slow, "<ms>300</ms>");
  int32_t third = c.tpacall("demo_slow", slow, 0, 0);
  EXPECT_EQ(c.tpgetrply(third, &out, &length, 0x01), -1);
  EXPECT_EQ(c.gettperrno(), 3);
  EXPECT_EQ(c.tpgetrply(third, &out, &length, 0), 0);

  // No reply wanted: descriptor 0, and the next call still gets its own answer.
  EXPECT_EQ(c.tpacall("demo_echo", quick, 0, 0x04), 0);
  std::strcpy(quick, "<tag>third</tag>");
  int32_t fourth = c.tpacall("demo_echo", quick, 0, 0);
  int32_t any = -1;
  ASSERT_EQ(c.tpgetrply(any, &out, &length, 0x80), 0);
  EXPECT_EQ(Item(out, "Request"), "<tag>third</tag>");
  EXPECT_GT(fourth, 0);
  c.tpfree(slow);
  c.tpfree(quick);
  c.tpfree(out);
}

TEST_F(ClientCalls, RouteNameIsRecordedWithEveryLaterCall) {
  const std::string marker = "route-" + std::to_string(GetTickCount());
  ASSERT_EQ(c.tpsetroutername("router_A"), 0);
  ASSERT_EQ(CallText("demo_echo", "<m>" + marker + "-1</m>").status, 0);
  char* in = c.tpalloc("STRING", nullptr, 64);
  std::strcpy(in, ("<m>" + marker + "-2</m>").c_str());
  char* out = c.tpalloc("STRING", nullptr, 64);
  int32_t length = 0;
  ASSERT_EQ(c.tpcallSvrId(10001, in, 0, &out, &length, 0, 30000, 1), 0);
  ASSERT_EQ(c.tpsetroutername("router_B"), 0);
  ASSERT_EQ(CallText("demo_echo", "<m>" + marker + "-3</m>").status, 0);
  ASSERT_EQ(c.tpsetroutername(nullptr), 0);
  ASSERT_EQ(CallText("demo_echo", "<m>" + marker + "-4</m>").status, 0);
  c.tpfree(in);
  c.tpfree(out);

  std::string rows;
  for (const AuditEntry& row : AuditWith(marker)) rows += row.kind + " " + row.service + " " + row.route + " " + row.buffer_type + ";";
  EXPECT_EQ(rows, "name demo_echo router_A STRING;id 10001 router_A STRING;name demo_echo router_B STRING;name demo_echo  STRING;");
  EXPECT_EQ(AuditWith(marker + "-1").at(0).request, "<m>" + marker + "-1</m>");  // sent without its NUL
}

TEST_F(ClientCalls, ContextsCanBeSwitchedOnOneThread) {
  int32_t first = 0;
  ASSERT_EQ(c.tpgetctxt(&first, 0), 0);
  ASSERT_EQ(SignOn(32), 0);
  int32_t second = 0;
  ASSERT_EQ(c.tpgetctxt(&second, 0), 0);
  EXPECT_NE(first, second);
  const std::string marker = "ctx-" + std::to_string(GetTickCount());
  ASSERT_EQ(CallText("demo_echo", "<m>" + marker + "-b</m>").status, 0);
  ASSERT_EQ(c.tpsetctxt(first, 0), 0);
  ASSERT_EQ(CallText("demo_echo", "<m>" + marker + "-a</m>").status, 0);
  std::vector<AuditEntry> rows = AuditWith(marker);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_NE(rows[0].session, rows[1].session);
  EXPECT_EQ(c.tpsetctxt(99999, 0), -1);
  EXPECT_EQ(c.gettperrno(), 4);
  ASSERT_EQ(c.tpsetcontxt(second), 0);
  c.tpterm();  // ends the second; the first stays for TearDown
  ASSERT_EQ(c.tpsetctxt(first, 0), 0);
  EXPECT_EQ(CallText("demo_echo", "<x/>").status, 0);
}

TEST_F(ClientCalls, WithoutTheMultiContextFlagEveryThreadSharesTheContext) {
  c.tpterm();
  ASSERT_EQ(SignOn(0), 0);
  TextCall from_other_thread;
  std::thread([&] { from_other_thread = CallText("demo_echo", "<x>shared</x>"); }).join();
  EXPECT_EQ(from_other_thread.status, 0) << from_other_thread.error_text;

  c.tpterm();
  ASSERT_EQ(SignOn(32), 0);
  TextCall lonely;
  std::thread([&] { lonely = CallText("demo_echo", "<x>own</x>"); }).join();
  EXPECT_EQ(lonely.error_number, 9);
}

}  // namespace
}  // namespace ruzi::testing
