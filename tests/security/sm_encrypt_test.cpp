#include <gtest/gtest.h>

#include <fstream>
#include <random>

#include "security/des_key.h"
#include "security/sm_encrypt.h"
#include "test_paths.h"

namespace ruzi {
namespace {

// Empty text is two enciphered zero blocks; only sixteen key bytes count; deciphering ends at
// the first zero byte; hex conversion stops at the first pair that is not hex (the rest stays zero).
TEST(Sm4Text, TextRules) {
  const std::string empty = SM4_Encrypt("key", "");
  ASSERT_EQ(empty.size(), 64u);
  EXPECT_EQ(empty.substr(0, 32), empty.substr(32));
  EXPECT_EQ(SM4_Decrypt("key", empty), "");
  EXPECT_EQ(SM4_Decrypt("k", ""), "");
  EXPECT_EQ(SM4_Encrypt(std::string(16, 'k') + "tail", "p"), SM4_Encrypt(std::string(16, 'k'), "p"));
  EXPECT_NE(SM4_Encrypt(std::string(15, 'k') + "x", "p"), SM4_Encrypt(std::string(16, 'k'), "p"));
  EXPECT_EQ(SM4_Decrypt("k", SM4_Encrypt("k", std::string("ab\0cd", 5))), "ab");
  const std::string cipher = SM4_Encrypt("k", "0123456789abcdef");
  std::string broken = cipher;
  broken[32] = 'g';
  EXPECT_EQ(SM4_Decrypt("k", broken), SM4_Decrypt("k", cipher.substr(0, 32) + std::string(32, '0')));
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
