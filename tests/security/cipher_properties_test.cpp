// Properties of the ciphers over random input; their known answers are in cipher_vectors_test,
// the digest in pieces is checked against OpenSSL.
#include <gtest/gtest.h>

#include <cctype>
#include <fstream>
#include <random>
#include <regex>

#include "foundation/trim.h"
#include "security/des_key.h"
#include "security/encrypt_public.h"
#include "security/password_cipher.h"
#include "security/sm3.h"
#include "security/sm_encrypt.h"
#include "security/yw_scramble.h"
#include "test_paths.h"

namespace ruzi {
namespace {

std::string RandomText(std::mt19937& random, size_t length, int lowest = 1) {
  std::string text(length, '\0');
  for (char& c : text) c = static_cast<char>(lowest + random() % (256 - lowest));
  return text;
}

// Random keys and texts up to sixteen bytes round-trip through every text cipher. Key type 0
// takes the key string as it is, 1 to 4 the derived key.
TEST(CipherProperties, RandomTextsRoundTripUnderEveryKeyType) {
  std::mt19937 random(31);
  for (int type = 0; type <= 4; ++type) {
    for (int trial = 0; trial < 80; ++trial) {
      const std::string key = RandomText(random, random() % 16), plain = RandomText(random, random() % 17);
      const std::string sm4 = EncryptSM4(type, key, plain, etEncrypt), des = Encrypt3DES(type, key, plain, etEncrypt);
      ASSERT_TRUE(std::regex_match(sm4, std::regex("[0-9a-f]{64}"))) << sm4;
      std::string upper = sm4;
      for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
      ASSERT_EQ(DecryptSM4(type, key, upper, etEncrypt), plain);
      ASSERT_TRUE(std::regex_match(des, std::regex("[0-9A-F]{32}"))) << des;
      ASSERT_EQ(qxDecryptEx(type, key, des, etEncrypt), plain);
      const std::string working = type == 0 ? key : GetDESKey(type, key);
      ASSERT_EQ(sm4, SM4_Encrypt(working, plain));
      ASSERT_EQ(des, des3_encrypt(working, plain));
      const std::string text = RandomText(random, random() % 20, 0);
      ASSERT_EQ(YWEncode(YWDecode(text)), Trim(text));
      char out[17];
      ASSERT_EQ(qxunspecial_c(working.c_str(), des.c_str(), out), 0);
      ASSERT_EQ(std::string(out, 17), plain + std::string(17 - plain.size(), '\0'));
    }
  }
}

// A file's digest is its contents'; a missing file has none.
TEST(CipherProperties, Sm3OfAFileIsOfItsContents) {
  std::mt19937 random(7);
  const std::string folder = testing::FreshTestFolder("sm3_file"), contents = RandomText(random, 100000, 0);
  std::ofstream(folder + "data.bin", std::ios::binary) << contents;
  EXPECT_EQ(SM3_Digest_File(folder + "data.bin"), SM3_Digest(contents));
  EXPECT_EQ(SM3_Digest_File(folder + "missing.bin"), "");
}

}  // namespace
}  // namespace ruzi
