#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <random>
#include <string>

#include "security/d3des.h"
#include "foundation/hex_text.h"
#include "security/password_cipher.h"

namespace ruzi {
namespace {

std::string Encipher(const std::string& key, const std::string& plain) {
  char out[33];
  EXPECT_EQ(qxspecial_c(key.c_str(), plain.c_str(), out), 0);
  EXPECT_EQ(out[32], '\0');
  return std::string(out);
}

std::string Decipher(const std::string& key, const std::string& cipher) {
  char out[17];
  std::memset(out, 'x', sizeof out);
  EXPECT_EQ(qxunspecial_c(key.c_str(), cipher.c_str(), out), 0);
  EXPECT_EQ(out[16], '\0');
  return std::string(out, 16);
}

std::string RandomText(std::mt19937& random, size_t length) {
  std::string text(length, '\0');
  for (char& c : text) c = static_cast<char>(random() % 255 + 1);
  return text;
}

TEST(PasswordCipher, LengthErrorsLeaveTheOutputAlone) {
  char out[40];
  std::memset(out, '#', sizeof out);
  EXPECT_EQ(qxspecial_c("key", std::string(17, 'p').c_str(), out), -1);
  EXPECT_EQ(qxspecial_c(std::string(16, 'k').c_str(), "plain", out), -1);
  EXPECT_EQ(qxunspecial_c("key", std::string(31, 'A').c_str(), out), -1);
  EXPECT_EQ(qxunspecial_c("key", std::string(33, 'A').c_str(), out), -1);
  EXPECT_EQ(qxunspecial_c(std::string(16, 'k').c_str(), std::string(32, 'A').c_str(), out), -1);
  EXPECT_EQ(out[0], '#');
  EXPECT_EQ(qxspecial_c(std::string(15, 'k').c_str(), std::string(16, 'p').c_str(), out), 0);
  EXPECT_EQ(qxspecial_c("", "", out), 0);
}

// Against a model written from the description: key block = D2des under the default key of
// (the default key block XOR the key bytes, top bits cleared), then D2des of the zero-filled text under that block;
// deciphering gives the text back, zero-filled.
TEST(PasswordCipher, MatchesTheKeyDerivationModelAndRoundTrips) {
  std::mt19937 random(33);
  for (int trial = 0; trial < 300; ++trial) {
    const std::string key = RandomText(random, random() % 16);
    const std::string plain = RandomText(random, random() % 17);
    std::string expected;
    {
      std::lock_guard guard(DesEngineLock());
      unsigned char block[16];
      std::memcpy(block, kDesDefaultKey, 16);
      for (size_t i = 0; i < key.size(); ++i) block[i] ^= static_cast<unsigned char>(key[i]) & 0x7f;
      des2key(kDesDefaultKey, EN0);
      D2des(block, block);
      unsigned char data[16] = {};
      std::memcpy(data, plain.data(), plain.size());
      des2key(block, EN0);
      D2des(data, data);
      expected = StrToHex(std::string(reinterpret_cast<const char*>(data), 16));
    }
    ASSERT_EQ(Encipher(key, plain), expected);
    ASSERT_EQ(Decipher(key, expected), plain + std::string(16 - plain.size(), '\0'));
  }
}

// Only upper-case digits are read as such: below 'A' a character counts as '0'-'9'.
TEST(PasswordCipher, CipherDigitsAreReadAsUpperCaseOnly) {
  const std::string cipher = Encipher("k", "password");
  std::string lower = cipher;
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (lower != cipher) {
    EXPECT_NE(Decipher("k", lower), Decipher("k", cipher));
  }
  // ':' follows '9', so it is read as ten, the value of 'A'.
  std::string colons = cipher;
  for (char& c : colons) c = c == 'A' ? ':' : c;
  EXPECT_EQ(Decipher("k", colons), Decipher("k", cipher));
}

// Deriving the key leaves the engine's earlier schedules in place; only the password's own
// schedule (loaded last) replaces them.
TEST(PasswordCipher, EngineHoldsThePasswordScheduleAfterwards) {
  std::lock_guard guard(DesEngineLock());
  const std::string cipher = Encipher("key", "plain");
  unsigned char data[16] = {'p', 'l', 'a', 'i', 'n'};
  D2des(data, data);
  EXPECT_EQ(StrToHex(std::string(reinterpret_cast<const char*>(data), 16)), cipher);
}

}  // namespace
}  // namespace ruzi
