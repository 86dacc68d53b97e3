#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "security/d3des.h"
#include "security/des_block.h"
#include "security/hex_text.h"

namespace ruzi {
namespace {

const unsigned char kFipsKey[8] = {0x01, 0x23, 0x45, 0x67, 0x89, 0xab, 0xcd, 0xef};

// FIPS 81, appendix B: "Now is the time for all " in ECB mode.
TEST(Des, Fips81Example) {
  DesSchedule encipher, decipher;
  MakeDesSchedule(kFipsKey, EN0, encipher);
  MakeDesSchedule(kFipsKey, DE1, decipher);
  const char* plain = "Now is the time for all ";
  std::string cipher;
  for (int block = 0; block < 3; ++block) {
    unsigned char out[8];
    DesCryptBlock(encipher, reinterpret_cast<const unsigned char*>(plain) + 8 * block, out);
    cipher += HexLower(out, 8);
    DesCryptBlock(decipher, out, out);
    EXPECT_EQ(0, std::memcmp(out, plain + 8 * block, 8));
  }
  EXPECT_EQ(cipher, "3fa40e8a984d48156a271787ab8883f9893d51ec4b563b53");
}

// The low bit of each key byte is parity and takes no part in the schedule.
TEST(Des, ParityBitsAreIgnored) {
  std::mt19937 random(11);
  for (int trial = 0; trial < 200; ++trial) {
    unsigned char key[8], flipped[8], block[8];
    for (int i = 0; i < 8; ++i) {
      key[i] = static_cast<unsigned char>(random());
      flipped[i] = key[i] ^ static_cast<unsigned char>(random() & 1);
      block[i] = static_cast<unsigned char>(random());
    }
    DesSchedule a, b;
    MakeDesSchedule(key, EN0, a);
    MakeDesSchedule(flipped, EN0, b);
    unsigned char out_a[8], out_b[8];
    DesCryptBlock(a, block, out_a);
    DesCryptBlock(b, block, out_b);
    ASSERT_EQ(0, std::memcmp(out_a, out_b, 8));
  }
}

// Complementation property of DES: E(~k, ~p) = ~E(k, p); a wrong table or wiring breaks it.
TEST(Des, ComplementationProperty) {
  std::mt19937 random(5);
  for (int trial = 0; trial < 200; ++trial) {
    unsigned char key[8], not_key[8], block[8], not_block[8];
    for (int i = 0; i < 8; ++i) {
      key[i] = static_cast<unsigned char>(random());
      not_key[i] = static_cast<unsigned char>(~key[i]);
      block[i] = static_cast<unsigned char>(random());
      not_block[i] = static_cast<unsigned char>(~block[i]);
    }
    DesSchedule a, b;
    MakeDesSchedule(key, EN0, a);
    MakeDesSchedule(not_key, EN0, b);
    unsigned char out_a[8], out_b[8];
    DesCryptBlock(a, block, out_a);
    DesCryptBlock(b, not_block, out_b);
    for (int i = 0; i < 8; ++i) ASSERT_EQ(out_a[i], static_cast<unsigned char>(~out_b[i]));
  }
}

class DesEngineTest : public ::testing::Test {
 protected:
  std::unique_lock<std::recursive_mutex> guard_{DesEngineLock()};
};

TEST_F(DesEngineTest, DoubleBlockDecipherScheduleInverts) {
  std::mt19937 random(9);
  for (int trial = 0; trial < 200; ++trial) {
    unsigned char key[16], data[16], cipher[16], back[16];
    for (unsigned char& b : key) b = static_cast<unsigned char>(random());
    for (unsigned char& b : data) b = static_cast<unsigned char>(random());
    des2key(key, EN0);
    D2des(data, cipher);
    des2key(key, DE1);
    D2des(cipher, back);
    ASSERT_EQ(0, std::memcmp(back, data, 16));
    ASSERT_NE(0, std::memcmp(cipher, data, 16));
  }
}

// The exchanges make each output half depend on both input halves; plain two-key EDE on two
// blocks would leave the second half unchanged when only the first changes.
TEST_F(DesEngineTest, DoubleBlockMixesBothHalves) {
  unsigned char key[16] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
  des2key(key, EN0);
  unsigned char a[16] = {}, b[16] = {};
  b[0] = 1;
  unsigned char out_a[16], out_b[16];
  D2des(a, out_a);
  D2des(b, out_b);
  EXPECT_NE(0, std::memcmp(out_a, out_b, 8));
  EXPECT_NE(0, std::memcmp(out_a + 8, out_b + 8, 8));
}

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
