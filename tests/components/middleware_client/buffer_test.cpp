// Typed buffers and field buffers of the client, without a server.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "client_entries.h"

namespace ruzi::testing {
namespace {

constexpr int32_t kLong = 1 << 25;
constexpr int32_t kString = 5 << 25;

TEST(ClientBuffers, EveryTypeStartsZeroedAtTheAskedSize) {
  const ClientEntries& c = Client();
  for (const char* type : {"STRING", "CARRAY", "X_OCTET", "TPINIT"}) {
    char* buffer = c.tpalloc(type, nullptr, 256);
    ASSERT_NE(buffer, nullptr) << type;
    EXPECT_EQ(std::string(buffer, 256), std::string(256, '\0')) << type;
    std::memset(buffer, 0x5A, 256);  // the whole size is ours to write
    c.tpfree(buffer);
  }
  // The sign-on record is never smaller than its fields, whatever size is asked.
  char* record = c.tpalloc("TPINIT", nullptr, 8);
  ASSERT_NE(record, nullptr);
  std::memset(record, 0x11, 136);
  c.tpfreeEx(record, 136);
}

TEST(ClientBuffers, UnknownTypeAndNegativeSizeFailWithTheirNumbers) {
  const ClientEntries& c = Client();
  EXPECT_EQ(c.tpalloc("VIEW32", nullptr, 64), nullptr);
  EXPECT_EQ(c.gettperrno(), 6);
  EXPECT_EQ(std::string(c.tpstrerror(6)).substr(0, 8), "TPENOENT");
  EXPECT_EQ(c.tpalloc("string", nullptr, 64), nullptr);  // type names are exact
  EXPECT_EQ(c.tpalloc("STRING", nullptr, -1), nullptr);
  EXPECT_EQ(c.gettperrno(), 4);
  EXPECT_EQ(c.tpalloc(nullptr, nullptr, 10), nullptr);
  EXPECT_EQ(c.gettperrno(), 4);
  c.tpfree(nullptr);  // ignored, as the library's clean-up relies on
}

// The field buffer's layout is tested natively; here the entries reach it through typed buffers.
TEST(ClientBuffers, FieldEntriesWorkOnFieldBuffersOnly) {
  const ClientEntries& c = Client();
  char* buffer = c.tpalloc("FML32", nullptr, 128);
  int32_t number = 7;
  ASSERT_EQ(c.Fadd(buffer, kLong | 1, &number, 0), 0);
  std::string long_text(30, 'x');
  ASSERT_EQ(c.Fchg(buffer, kString | 9, 0, long_text.data(), 0), 0);
  char room[31];
  EXPECT_EQ(c.Fget(buffer, kString | 9, 0, room, sizeof room), 0);
  EXPECT_STREQ(room, long_text.c_str());
  char* text = c.tpalloc("STRING", nullptr, 64);
  EXPECT_EQ(c.Fadd(text, kString | 3, long_text.data(), 0), -1);
  c.tpfree(text);
  c.tpfree(buffer);
}

TEST(ClientEnvironment, PutAndGetGoThroughTheWin32Block) {
  const ClientEntries& c = Client();
  ASSERT_EQ(c.tuxputenv("RUZI_WSC_ENV=值=1"), 0);
  wchar_t wide[32] = {};
  ASSERT_GT(GetEnvironmentVariableW(L"RUZI_WSC_ENV", wide, 32), 0u);
  EXPECT_EQ(std::wstring(wide), L"值=1");
  ASSERT_NE(c.tuxgetenv("ruzi_wsc_env"), nullptr);  // names ignore case, as Win32 does
  EXPECT_STREQ(c.tuxgetenv("RUZI_WSC_ENV"), "值=1");
  SetEnvironmentVariableW(L"RUZI_WSC_ENV", nullptr);
  EXPECT_EQ(c.tuxgetenv("RUZI_WSC_ENV"), nullptr);
  EXPECT_EQ(c.tuxputenv("NO_EQUALS_SIGN"), -1);
  EXPECT_EQ(c.tuxputenv("=value"), -1);
}

std::vector<std::string> g_pushed;
void Receive(const char* topic, const char* data, int32_t length) {
  g_pushed.push_back(std::string(topic) + ":" + std::string(data, static_cast<size_t>(length)));
}

TEST(ClientPush, OnlySubscribedTopicsReachTheReceiver) {
  const ClientEntries& c = Client();
  g_pushed.clear();
  EXPECT_EQ(c.regpushclient(nullptr), -1);
  ASSERT_EQ(c.regpushclient(Receive), 0);
  ASSERT_EQ(c.subscribe("quotes"), 0);
  EXPECT_EQ(c.pushmsg("quotes", "a\0b", 3), 1);
  EXPECT_EQ(c.pushmsg("orders", "x", 1), 0);
  EXPECT_EQ(c.unsubscribe("quotes"), 0);
  EXPECT_EQ(c.unsubscribe("quotes"), -1);
  EXPECT_EQ(c.pushmsg("quotes", "late", 4), 0);
  EXPECT_EQ(c.unregpushclient(), 0);
  EXPECT_EQ(g_pushed, std::vector<std::string>{std::string("quotes:a\0b", 10)});
}

TEST(ClientMinimalEntries, AnswerAsDocumented) {
  const ClientEntries& c = Client();
  EXPECT_EQ(c.tpchkauth(), 2);
  EXPECT_EQ(c.tpclose(), 0);
  EXPECT_EQ(c.tpconnect("demo_echo", nullptr, 0, 0), -1);
  EXPECT_EQ(c.gettperrno(), 6);
  EXPECT_EQ(c.setsafecfgnewEx("cipher=none"), 0);
  EXPECT_EQ(c.setproxy("127.0.0.1:3128"), 0);
}

}  // namespace
}  // namespace ruzi::testing
