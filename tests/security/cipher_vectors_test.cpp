// The ciphers' known answers (tests/data/ciphers.txt), each checked both ways where the
// algorithm has an inverse, and the messages of refused keys and texts (cipher_errors.txt).
// The native build also compares the ciphers with OpenSSL on random input.
#include <gtest/gtest.h>

#include <cstring>
#include <mutex>

#include "security/d3des.h"
#include "security/des_key.h"
#include "security/encrypt_public.h"
#include "security/des_block.h"
#include "security/hex_text.h"
#include "security/sm3.h"
#include "security/sm4.h"
#include "security/sm_encrypt.h"
#include "vector_file.h"

namespace ruzi {
namespace {

using Bytes = std::string;
const unsigned char* U(const Bytes& bytes) { return reinterpret_cast<const unsigned char*>(bytes.data()); }
std::string Hex(const unsigned char* bytes, size_t size) { return HexLower(bytes, size); }

// Runs `block` over every `size` bytes of the input.
template <typename Block>
std::string Blocks(const Bytes& input, size_t size, Block block) {
  std::string out;
  for (size_t at = 0; at + size <= input.size(); at += size) {
    unsigned char result[16];
    block(U(input) + at, result);
    out += Hex(result, size);
  }
  return out;
}

TEST(CipherVectors, KnownAnswersBothWays) {
  std::lock_guard guard(DesEngineLock());
  for (const testing::VectorCase& c : testing::ReadVectors("ciphers.txt")) {
    ASSERT_EQ(c.size(), 4u);
    const std::string& algorithm = c[0];
    const Bytes key = testing::FromHex(c[1]), input = testing::FromHex(c[2]), expected = testing::FromHex(c[3]);
    if (algorithm == "sm3") {
      unsigned char digest[Sm3::kDigestSize];
      Sm3Hash(input.data(), input.size(), digest);
      EXPECT_EQ(Hex(digest, sizeof digest), c[3]);
    } else if (algorithm.starts_with("sm4")) {
      const int rounds = algorithm == "sm4" ? 1 : std::stoi(algorithm.substr(4));
      Sm4RoundKeys encipher, decipher;
      Sm4ExpandKey(U(key), Sm4Direction::Encipher, encipher);
      Sm4ExpandKey(U(key), Sm4Direction::Decipher, decipher);
      unsigned char block[16];
      std::memcpy(block, input.data(), 16);
      for (int i = 0; i < rounds; ++i) Sm4CryptBlock(encipher, block, block);
      EXPECT_EQ(Hex(block, 16), c[3]) << algorithm;
      if (rounds == 1) {
        Sm4CryptBlock(decipher, block, block);
        EXPECT_EQ(Hex(block, 16), c[2]);
      }
    } else if (algorithm == "des") {
      DesSchedule encipher, decipher;
      MakeDesSchedule(U(key), EN0, encipher);
      MakeDesSchedule(U(key), DE1, decipher);
      EXPECT_EQ(Blocks(input, 8, [&](auto in, auto out) { DesCryptBlock(encipher, in, out); }), c[3]);
      EXPECT_EQ(Blocks(expected, 8, [&](auto in, auto out) { DesCryptBlock(decipher, in, out); }), c[2]);
    } else if (algorithm == "d2des") {
      des2key(U(key), EN0);
      EXPECT_EQ(Blocks(input, 16, [](auto in, auto out) { D2des(in, out); }), c[3]);
      des2key(U(key), DE1);
      EXPECT_EQ(Blocks(expected, 16, [](auto in, auto out) { D2des(in, out); }), c[2]);
    } else {
      ADD_FAILURE() << "unknown algorithm " << algorithm;
    }
  }
}

// Every call here must throw; the text enciphered is irrelevant.
TEST(CipherVectors, MessagesOfRefusedKeysAndTexts) {
  auto type = [](const std::vector<std::string>& a) { return std::stoi(a[0]); };
  testing::CheckAnswers("cipher_errors.txt", {
      {"GetDESKey", [&](auto& a) { return GetDESKey(type(a), a[1]); }},
      {"qxEncryptEx", [&](auto& a) { return qxEncryptEx(type(a), a[1], a[2], etEncrypt); }},
      {"qxDecryptEx", [&](auto& a) { return qxDecryptEx(type(a), a[1], a[2], etEncrypt); }},
      {"Encrypt3DES", [&](auto& a) { return Encrypt3DES(type(a), a[1], a[2], etEncrypt); }},
      {"Decrypt3DES", [&](auto& a) { return Decrypt3DES(type(a), a[1], a[2], etEncrypt); }},
      {"SM4_Encrypt", [](auto& a) { return SM4_Encrypt(a[0], a[1]); }},
      {"SM4_Decrypt", [](auto& a) { return SM4_Decrypt(a[0], a[1]); }},
      {"des3_encrypt", [](auto& a) { return des3_encrypt(a[0], a[1]); }},
      {"des3_decrypt", [](auto& a) { return des3_decrypt(a[0], a[1]); }},
      {"gm_encrypt", [&](auto& a) { return gm_encrypt(type(a), a[1], a[2]); }},
  });
}

}  // namespace
}  // namespace ruzi
