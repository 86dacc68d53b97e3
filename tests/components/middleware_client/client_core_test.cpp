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
#include "vector_file.h"

namespace ruzi::wsclient {
namespace {

// A port past 65535 must be refused, not wrapped.
TEST(ServerAddressList, ListsReadInOrderOrRefusedWhole) {
  for (const testing::VectorCase& v : testing::ReadVectors("mwc_server_addresses.txt")) {
    std::string problem, got;
    for (const ServerAddress& address : ParseServerAddresses(v.at(0), &problem)) got += (got.empty() ? "" : ",") + AddressText(address);
    EXPECT_EQ(got.empty() ? "refused" : got, v.at(1)) << v[0];
    EXPECT_EQ(problem.empty(), !got.empty()) << v[0];
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
  EXPECT_EQ(FmlChange(region, sizeof region, (7 << 25) | 1, 0, &number, 0), -1);  // no such type
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
