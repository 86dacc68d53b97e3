// Typed buffers and field buffers of the client, without a server.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "client_entries.h"

namespace ruzi::testing {
namespace {

constexpr int32_t kLong = 1 << 25;
constexpr int32_t kString = 5 << 25;
constexpr int32_t kCarray = 6 << 25;

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

// Field buffer operations against a plain model: occurrences per field, byte for byte,
// and the space they take, so a wrong shift or a lost length shows up as a difference.
TEST(ClientBuffers, FieldBufferFollowsTheModelThroughRandomEdits) {
  const ClientEntries& c = Client();
  constexpr int32_t kCapacity = 600;
  char* buffer = c.tpalloc("FML32", nullptr, kCapacity);
  ASSERT_NE(buffer, nullptr);
  std::map<int32_t, std::vector<std::string>> model;
  size_t used = 4;
  std::mt19937 random(20260105);
  const std::vector<int32_t> fields = {kLong | 1, kLong | 2, kString | 3, kString | 4, kCarray | 5};
  auto value_for = [&](int32_t field) {
    if (field == (kLong | 1) || field == (kLong | 2)) {
      int32_t number = static_cast<int32_t>(random());
      return std::string(reinterpret_cast<const char*>(&number), 4);
    }
    std::string text(random() % 40, 'a');
    for (char& ch : text) ch = static_cast<char>('a' + random() % 26);
    if ((field & kCarray) == kCarray && (field >> 25) == 6) {
      if (!text.empty()) text[random() % text.size()] = '\0';  // byte arrays keep NULs
      return text;
    }
    return text + '\0';
  };
  for (int step = 0; step < 3000; ++step) {
    int32_t field = fields[random() % fields.size()];
    std::vector<std::string>& occurrences = model[field];
    std::string value = value_for(field);
    const auto length = static_cast<int32_t>(value.size());
    switch (random() % 3) {
      case 0: {  // add
        bool fits = used + 8 + value.size() <= kCapacity;
        ASSERT_EQ(c.Fadd(buffer, field, value.data(), length), fits ? 0 : -1) << step;
        if (fits) {
          occurrences.push_back(value);
          used += 8 + value.size();
        }
        break;
      }
      case 1: {  // change an occurrence, the next one, or one past it
        auto occurrence = static_cast<int32_t>(random() % (occurrences.size() + 2));
        int32_t expected = -1;
        size_t new_used = used;
        if (static_cast<size_t>(occurrence) < occurrences.size()) {
          new_used = used - occurrences[occurrence].size() + value.size();
        } else if (static_cast<size_t>(occurrence) == occurrences.size()) {
          new_used = used + 8 + value.size();
        }
        if (static_cast<size_t>(occurrence) <= occurrences.size() && new_used <= kCapacity) expected = 0;
        ASSERT_EQ(c.Fchg(buffer, field, occurrence, value.data(), length), expected) << step;
        if (expected == 0) {
          if (static_cast<size_t>(occurrence) < occurrences.size()) {
            occurrences[occurrence] = value;
          } else {
            occurrences.push_back(value);
          }
          used = new_used;
        }
        break;
      }
      default: {  // read every occurrence back, and one past the end
        for (size_t i = 0; i <= occurrences.size(); ++i) {
          char out[64] = {};
          int32_t rc = c.Fget(buffer, field, static_cast<int32_t>(i), out, sizeof out);
          if (i == occurrences.size()) {
            EXPECT_EQ(rc, -1) << step;
          } else {
            ASSERT_EQ(rc, 0) << step;
            EXPECT_EQ(std::string(out, occurrences[i].size()), occurrences[i]) << step;
          }
        }
      }
    }
    uint32_t in_use = 0;
    std::memcpy(&in_use, buffer, 4);
    ASSERT_EQ(in_use, used) << step;
  }
  c.tpfree(buffer);

  // A value longer than the caller's room is refused, not cut.
  buffer = c.tpalloc("FML32", nullptr, 128);
  std::string long_text(30, 'x');
  ASSERT_EQ(c.Fchg(buffer, kString | 9, 0, long_text.data(), 0), 0);
  char small[8];
  EXPECT_EQ(c.Fget(buffer, kString | 9, 0, small, sizeof small), -1);
  char room[31];
  EXPECT_EQ(c.Fget(buffer, kString | 9, 0, room, sizeof room), 0);
  EXPECT_STREQ(room, long_text.c_str());
  // Field operations refuse other buffer types.
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
