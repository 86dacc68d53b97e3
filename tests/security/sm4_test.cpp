#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "security/hex_text.h"
#include "security/sm4.h"
#include "security/sm_api.h"

namespace ruzi {
namespace {

const unsigned char kStandard[16] = {0x01, 0x23, 0x45, 0x67, 0x89, 0xab, 0xcd, 0xef,
                                     0xfe, 0xdc, 0xba, 0x98, 0x76, 0x54, 0x32, 0x10};

TEST(Sm4, StandardBlockAndItsInverse) {
  Sm4RoundKeys keys;
  Sm4ExpandKey(kStandard, Sm4Direction::Encipher, keys);
  unsigned char block[16];
  Sm4CryptBlock(keys, kStandard, block);
  EXPECT_EQ(HexLower(block, 16), "681edf34d206965e86b3e94f536e4246");
  Sm4ExpandKey(kStandard, Sm4Direction::Decipher, keys);
  Sm4CryptBlock(keys, block, block);
  EXPECT_EQ(0, std::memcmp(block, kStandard, 16));
}

TEST(Sm4, OneMillionIterations) {
  Sm4RoundKeys keys;
  Sm4ExpandKey(kStandard, Sm4Direction::Encipher, keys);
  unsigned char block[16];
  std::memcpy(block, kStandard, 16);
  for (int i = 0; i < 1000000; ++i) Sm4CryptBlock(keys, block, block);
  EXPECT_EQ(HexLower(block, 16), "595298c7c6fd271f0402f804c33d3f66");
}

TEST(Sm4BlockLayer, ResultCodes) {
  unsigned char data[32] = {};
  const unsigned char key[16] = {1};
  EXPECT_EQ(SM4Encrypt(nullptr, 16, data, key), -1);
  EXPECT_EQ(SM4Encrypt(data, 16, nullptr, key), -1);
  EXPECT_EQ(SM4Decrypt(data, 16, data, nullptr), -1);
  for (int length : {1, 15, 17, 31, -16}) {
    EXPECT_EQ(SM4Encrypt(data, length, data, key), -2) << length;
    EXPECT_EQ(SM4Decrypt(data, length, data, key), -2) << length;
  }
  EXPECT_EQ(SM4Encrypt(data, 0, data, key), 0);
  EXPECT_EQ(SM4Encrypt(data, 32, data, key), 0);
}

// ECB: equal blocks give equal cipher blocks, each block on its own, and decryption inverts.
TEST(Sm4BlockLayer, EcbBlocksAreIndependentAndInvertible) {
  std::mt19937 random(3);
  unsigned char key[17] = {};
  for (int i = 0; i < 16; ++i) key[i] = static_cast<unsigned char>(random() % 255 + 1);
  unsigned char plain[48];
  for (unsigned char& b : plain) b = static_cast<unsigned char>(random());
  std::memcpy(plain + 32, plain, 16);
  unsigned char cipher[48];
  ASSERT_EQ(SM4Encrypt(plain, 48, cipher, key), 0);
  EXPECT_EQ(0, std::memcmp(cipher, cipher + 32, 16));
  unsigned char single[16];
  ASSERT_EQ(SM4Encrypt(plain + 16, 16, single, key), 0);
  EXPECT_EQ(0, std::memcmp(single, cipher + 16, 16));
  unsigned char back[48];
  ASSERT_EQ(SM4Decrypt(cipher, 48, back, key), 0);
  EXPECT_EQ(0, std::memcmp(back, plain, 48));
}

// The key is read up to its first zero byte and padded with zeros: what follows a zero is ignored.
TEST(Sm4BlockLayer, KeyEndsAtFirstZeroByte) {
  const unsigned char short_key[16] = {'a', 'b'};
  const unsigned char trailing[16] = {'a', 'b', 0, 'x', 'y', 'z', 1, 2, 3};
  unsigned char block[16] = {9, 8, 7};
  unsigned char one[16], two[16];
  ASSERT_EQ(SM4Encrypt(block, 16, one, short_key), 0);
  ASSERT_EQ(SM4Encrypt(block, 16, two, trailing), 0);
  EXPECT_EQ(0, std::memcmp(one, two, 16));
  // A 16-byte key with no terminator within 16 bytes is used whole.
  const unsigned char long_key[20] = {'k', 'k', 'k', 'k', 'k', 'k', 'k', 'k', 'k', 'k',
                                      'k', 'k', 'k', 'k', 'k', 'k', 'X', 'Y', 'Z', 0};
  const unsigned char cut_key[17] = {'k', 'k', 'k', 'k', 'k', 'k', 'k', 'k',
                                     'k', 'k', 'k', 'k', 'k', 'k', 'k', 'k', 0};
  ASSERT_EQ(SM4Encrypt(block, 16, one, long_key), 0);
  ASSERT_EQ(SM4Encrypt(block, 16, two, cut_key), 0);
  EXPECT_EQ(0, std::memcmp(one, two, 16));
}

TEST(Sm4BlockLayer, BufferLengthFloor) {
  EXPECT_EQ(SM4BufLenFloor(0), 16);
  EXPECT_EQ(SM4BufLenFloor(1), 16);
  EXPECT_EQ(SM4BufLenFloor(16), 16);
  EXPECT_EQ(SM4BufLenFloor(17), 32);
  EXPECT_EQ(SM4BufLenFloor(32), 32);
  EXPECT_EQ(SM4BufLenFloor(33), 48);
  EXPECT_EQ(InitGMalgo(), 0);
  EXPECT_NE(std::string(GetGM34Version()).find("SM3/SM4"), std::string::npos);
}

}  // namespace
}  // namespace ruzi
