// The SM4 block layer: result codes, ECB, how the key is read. The block cipher itself is
// checked by known answers (cipher_vectors_test) and against OpenSSL natively.
#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "security/sm4.h"
#include "security/sm_api.h"

namespace ruzi {
namespace {

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
  const int cases[][2] = {{0, 16}, {1, 16}, {16, 16}, {17, 32}, {32, 32}, {33, 48}};
  for (const auto& c : cases) EXPECT_EQ(SM4BufLenFloor(c[0]), c[1]) << c[0];
  EXPECT_EQ(InitGMalgo(), 0);
  EXPECT_NE(std::string(GetGM34Version()).find("SM3/SM4"), std::string::npos);
}

}  // namespace
}  // namespace ruzi
