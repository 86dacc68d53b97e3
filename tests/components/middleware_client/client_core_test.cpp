// The client's portable parts, natively under the sanitizers: server address lists (their
// round trip is the fuzz target's) and the field buffer layout.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "fml_fields.h"
#include "server_address.h"

namespace ruzi::wsclient {
namespace {

TEST(ServerAddressList, ReadsEveryEntryInOrder) {
  std::string problem;
  std::vector<ServerAddress> addresses =
      ParseServerAddresses(" //10.0.0.1:9001, host-b:7000;//[::1]:65535 ,", &problem);
  ASSERT_EQ(addresses.size(), 3u) << problem;
  EXPECT_EQ(addresses[0], (ServerAddress{"10.0.0.1", 9001}));
  EXPECT_EQ(addresses[1], (ServerAddress{"host-b", 7000}));
  EXPECT_EQ(addresses[2], (ServerAddress{"[::1]", 65535}));
  EXPECT_EQ(AddressText(addresses[1]), "//host-b:7000");
}

TEST(ServerAddressList, RefusesWhatCannotBeConnectedTo) {
  for (const char* text : {"", "   ", ",;", "//host", "//host:", "//:7000", "//host:0", "//host:65536", "//host:7a",
                           "//ok:1,//bad"}) {
    std::string problem;
    EXPECT_TRUE(ParseServerAddresses(text, &problem).empty()) << text;
    EXPECT_FALSE(problem.empty()) << text;
  }
}

TEST(FieldBufferLayout, EntriesLieOneAfterAnotherWithTheirLengths) {
  char region[64] = {};
  InitFmlFields(region, sizeof region);
  const int32_t kLongField = (1 << 25) | 3;
  const int32_t kStringField = (5 << 25) | 4;
  int32_t number = 0x01020304;
  ASSERT_EQ(FmlAdd(region, sizeof region, kStringField, "ab", 0), 0);
  ASSERT_EQ(FmlAdd(region, sizeof region, kLongField, &number, 0), 0);
  const char expected[] = "\x1B\0\0\0"  // 4 + (8 + 3) + (8 + 4) bytes in use
                          "\x04\0\0\x0A\x03\0\0\0ab\0"
                          "\x03\0\0\x02\x04\0\0\0\x04\x03\x02\x01";
  EXPECT_EQ(std::string(region, 27), std::string(expected, 27));
  EXPECT_EQ(FmlUsedBytes(region), 27u);
  // Growing the first entry moves the second behind it.
  int16_t unused = 0;
  EXPECT_EQ(FmlChange(region, sizeof region, kStringField, 0, "abcdef", 0), 0);
  EXPECT_EQ(FmlChange(region, sizeof region, (7 << 25) | 1, 0, &unused, 0), -1);  // no such type
  char text[16] = {};
  ASSERT_EQ(FmlGet(region, kStringField, 0, text, sizeof text), 0);
  EXPECT_STREQ(text, "abcdef");
  int32_t back = 0;
  ASSERT_EQ(FmlGet(region, kLongField, 0, &back, 4), 0);
  EXPECT_EQ(back, number);
  // Full: nothing changes.
  std::string big(40, 'x');
  EXPECT_EQ(FmlAdd(region, sizeof region, kStringField, big.c_str(), 0), -1);
  EXPECT_EQ(FmlUsedBytes(region), 31u);
  EXPECT_EQ(FmlCount(region, kStringField), 1);
}

// Operations against a plain model: occurrences per field, byte for byte, and the space they
// take, so a wrong shift or a lost length shows up as a difference.
TEST(FieldBufferLayout, RandomEditsFollowTheModel) {
  constexpr size_t kCapacity = 600;
  constexpr int32_t kLong = 1 << 25, kString = 5 << 25, kCarray = 6 << 25;
  std::vector<char> region(kCapacity);
  InitFmlFields(region.data(), kCapacity);
  std::map<int32_t, std::vector<std::string>> model;
  size_t used = 4;
  std::mt19937 random(20260105);
  const int32_t fields[] = {kLong | 1, kLong | 2, kString | 3, kString | 4, kCarray | 5};
  for (int step = 0; step < 3000; ++step) {
    const int32_t field = fields[random() % std::size(fields)];
    const int32_t type = field & ~((1 << 25) - 1);
    std::string value(type == kLong ? 4 : random() % 40, 'a');
    for (char& ch : value) ch = static_cast<char>(type == kLong ? random() : 'a' + random() % 26);
    if (type == kCarray && !value.empty()) value[random() % value.size()] = '\0';  // byte arrays keep NULs
    if (type == kString) value += '\0';
    std::vector<std::string>& occurrences = model[field];
    const auto length = static_cast<int32_t>(value.size());
    const size_t count = occurrences.size();
    // Add, or change an occurrence, the next one or one past it.
    const size_t at = random() % 2 ? count : random() % (count + 2);
    const size_t new_used = at < count ? used - occurrences[at].size() + value.size() : used + 8 + value.size();
    const bool fits = at <= count && new_used <= kCapacity;
    const int32_t result = at == count && random() % 2 ? FmlAdd(region.data(), kCapacity, field, value.data(), length)
                                                       : FmlChange(region.data(), kCapacity, field,
                                                                   static_cast<int32_t>(at), value.data(), length);
    ASSERT_EQ(result, fits ? 0 : -1) << step;
    if (fits) {
      if (at < count) occurrences[at] = value;
      else occurrences.push_back(value);
      used = new_used;
    }
    ASSERT_EQ(FmlUsedBytes(region.data()), used) << step;
    for (size_t i = 0; i <= occurrences.size(); ++i) {
      char out[64] = {};
      const auto room = static_cast<int32_t>(1 + random() % sizeof out);  // a value longer than the room is refused, not cut
      const int32_t got = FmlGet(region.data(), field, static_cast<int32_t>(i), out, room);
      ASSERT_EQ(got, i < occurrences.size() && occurrences[i].size() <= static_cast<size_t>(room) ? 0 : -1) << step;
      if (got == 0) {
        ASSERT_EQ(std::string(out, occurrences[i].size()), occurrences[i]) << step;
      }
    }
  }
}

}  // namespace
}  // namespace ruzi::wsclient
