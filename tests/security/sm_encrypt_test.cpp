#include <gtest/gtest.h>

#include <fstream>
#include <random>

#include "security/des_key.h"
#include "security/sm_encrypt.h"
#include "test_paths.h"

namespace ruzi {
namespace {

TEST(Sm4Text, EmptyTextIsTwoEncipheredZeroBlocks) {
  const std::string cipher = SM4_Encrypt("key", "");
  ASSERT_EQ(cipher.size(), 64u);
  EXPECT_EQ(cipher.substr(0, 32), cipher.substr(32));
  EXPECT_EQ(SM4_Decrypt("key", cipher), "");
}

TEST(Sm4Text, OnlyTheFirstSixteenKeyBytesCount) {
  EXPECT_EQ(SM4_Encrypt(std::string(16, 'k') + "tail", "p"), SM4_Encrypt(std::string(16, 'k'), "p"));
  EXPECT_NE(SM4_Encrypt(std::string(15, 'k') + "x", "p"), SM4_Encrypt(std::string(16, 'k'), "p"));
}

TEST(Sm4Text, DecryptionEndsAtTheFirstZeroByte) {
  const std::string plain("ab\0cd", 5);
  EXPECT_EQ(SM4_Decrypt("k", SM4_Encrypt("k", plain)), "ab");
}

TEST(Sm4Text, EmptyTextDeciphersToEmpty) { EXPECT_EQ(SM4_Decrypt("k", ""), ""); }

// Conversion stops at the first pair that is not hex; the bytes after it stay zero.
TEST(Sm4Text, NonHexDigitsEndTheConversion) {
  const std::string cipher = SM4_Encrypt("k", "0123456789abcdef");
  std::string broken = cipher;
  broken[32] = 'g';
  const std::string zero_tail = cipher.substr(0, 32) + std::string(32, '0');
  EXPECT_EQ(SM4_Decrypt("k", broken), SM4_Decrypt("k", zero_tail));
  EXPECT_EQ(SM4_Decrypt("k", std::string(64, 'z')), SM4_Decrypt("k", std::string(64, '0')));
}

TEST(Sm3Text, StringAndFileDigests) {
  EXPECT_EQ(SM3_Digest("abc"), "66c7f0f462eeedd9d1f2d46bdc10e4e24167c4875cf2f7a2297da02b8f4ba8e0");
  const std::string folder = testing::FreshTestFolder("sm3_file");
  const std::string path = folder + "data.bin";
  std::string contents(100000, '\0');
  std::mt19937 random(29);
  for (char& c : contents) c = static_cast<char>(random());
  std::ofstream(path, std::ios::binary).write(contents.data(), static_cast<std::streamsize>(contents.size()));
  EXPECT_EQ(SM3_Digest_File(path), SM3_Digest(contents));
  EXPECT_EQ(SM3_Digest_File(folder + "missing.bin"), "");
}

TEST(GmText, KeyTypesAndCipherChoice) {
  const std::string sm4 = gm_encrypt(2, "abc", "secret");
  EXPECT_EQ(sm4, SM4_Encrypt(GetDESKey(2, "abc"), "secret"));
  EXPECT_EQ(gm_decrypt(2, "abc", sm4), "secret");
  const std::string des = des3_encrypt(GetDESKey(3, "abc"), "secret");
  EXPECT_EQ(gm_decrypt(3, "abc", des), "secret");
  EXPECT_EQ(SM3SM4(1, "abc", "text"), SM3_Digest(GetDESKey(1, "abc") + "text"));
}

TEST(GmText, BinToHex2WritesLowerCaseHighNibbleFirst) {
  const unsigned char bytes[] = {0x00, 0x0f, 0xa5, 0xff};
  char out[9] = "########";
  BinToHex2(bytes, out, 3);
  EXPECT_STREQ(out, "000fa5##");
}

}  // namespace
}  // namespace ruzi
