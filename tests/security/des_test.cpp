// The DES engine's process-wide schedules copied in and out, and which one a password leaves.
#include <gtest/gtest.h>

#include <cstring>
#include <mutex>

#include "foundation/hex_text.h"
#include "security/d3des.h"
#include "security/des_block.h"
#include "security/password_cipher.h"

namespace ruzi {
namespace {

TEST(DesEngine, SchedulesCopyInAndOut) {
  std::lock_guard guard(DesEngineLock());
  unsigned char key_a[16] = {'a', 'b', 'c', 'd', 'e', 'f', 'g', 'h', 'i', 'j', 'k', 'l', 'm', 'n', 'o', 'p'};
  unsigned char key_b[16] = {'q', 'r', 's', 't', 'u', 'v', 'w', 'x', 'y', 'z', '0', '1', '2', '3', '4', '5'};
  const unsigned char data[16] = {'d', 'a', 't', 'a'};
  unsigned char expected[16];
  auto pass_equals = [&] {
    unsigned char out[16];
    D2des(data, out);
    return std::memcmp(out, expected, 16) == 0;
  };
  des2key(key_a, EN0);
  uint32_t saved[96], loaded[96];
  cookey(saved);
  D2des(data, expected);
  des2key(key_b, EN0);
  EXPECT_FALSE(pass_equals());
  use3key(saved);
  EXPECT_TRUE(pass_equals());
  // Two schedules loaded: the third pass repeats the first, as des2key arranges it.
  des2key(key_b, EN0);
  useDkey(saved);
  EXPECT_TRUE(pass_equals());
  // One schedule into the first pass; deskey builds the same one from the key bytes.
  DesSchedule first;
  MakeDesSchedule(key_b, EN0, first);
  use3key(saved);
  cusekey(first.words);
  cookey(loaded);
  EXPECT_EQ(0, std::memcmp(loaded, first.words, sizeof first.words));
  EXPECT_EQ(0, std::memcmp(loaded + 32, saved + 32, 64 * sizeof(uint32_t)));
  use3key(saved);
  deskey(key_b, EN0);
  cookey(loaded);
  EXPECT_EQ(0, std::memcmp(loaded, first.words, sizeof first.words));
  // Enciphering a password leaves its own schedule loaded last.
  char cipher[33];
  ASSERT_EQ(qxspecial_c("key", "plain", cipher), 0);
  unsigned char plain[16] = {'p', 'l', 'a', 'i', 'n'};
  D2des(plain, plain);
  EXPECT_EQ(StrToHex(std::string(reinterpret_cast<const char*>(plain), 16)), cipher);
}

}  // namespace
}  // namespace ruzi
