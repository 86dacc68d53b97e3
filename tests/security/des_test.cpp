// The DES engine's schedules copied in and out. DES and the double-block mode are checked by
// known answers (cipher_vectors_test) and, natively, against OpenSSL on random keys and data,
// which also covers the parity bits and both directions.
#include <gtest/gtest.h>

#include <cstring>
#include <mutex>

#include "security/d3des.h"
#include "security/des_block.h"

namespace ruzi {
namespace {

class DesEngineTest : public ::testing::Test {
 protected:
  std::unique_lock<std::recursive_mutex> guard_{DesEngineLock()};
};

TEST_F(DesEngineTest, SchedulesCopyInAndOut) {
  unsigned char key_a[16] = {'a', 'b', 'c', 'd', 'e', 'f', 'g', 'h', 'i', 'j', 'k', 'l', 'm', 'n', 'o', 'p'};
  unsigned char key_b[16] = {'q', 'r', 's', 't', 'u', 'v', 'w', 'x', 'y', 'z', '0', '1', '2', '3', '4', '5'};
  const unsigned char data[16] = {'d', 'a', 't', 'a'};
  des2key(key_a, EN0);
  uint32_t saved[96];
  cookey(saved);
  unsigned char expected[16], out[16];
  D2des(data, expected);
  des2key(key_b, EN0);
  D2des(data, out);
  EXPECT_NE(0, std::memcmp(out, expected, 16));
  use3key(saved);
  D2des(data, out);
  EXPECT_EQ(0, std::memcmp(out, expected, 16));
  // Two schedules loaded: the third pass repeats the first, as des2key arranges it.
  des2key(key_b, EN0);
  useDkey(saved);
  D2des(data, out);
  EXPECT_EQ(0, std::memcmp(out, expected, 16));
  // One schedule into the first pass; deskey builds the same one from the key bytes.
  DesSchedule first;
  MakeDesSchedule(key_b, EN0, first);
  use3key(saved);
  cusekey(first.words);
  uint32_t loaded[96];
  cookey(loaded);
  EXPECT_EQ(0, std::memcmp(loaded, first.words, sizeof first.words));
  EXPECT_EQ(0, std::memcmp(loaded + 32, saved + 32, 64 * sizeof(uint32_t)));
  use3key(saved);
  deskey(key_b, EN0);
  cookey(loaded);
  EXPECT_EQ(0, std::memcmp(loaded, first.words, sizeof first.words));
}

}  // namespace
}  // namespace ruzi
