// Known answers: of the ciphers themselves, each checked both ways where the algorithm has an
// inverse (tests/data/ciphers.txt), of the text and buffer entries (cipher_texts.txt) and the
// messages of refused keys and texts (cipher_errors.txt); the DES engine's schedules. Natively
// OpenSSL checks random input too.
#include <gtest/gtest.h>

#include <cstring>
#include <mutex>

#include "foundation/hex_text.h"
#include "sec_cipher_blocks.h"
#include "security/des_key.h"
#include "security/encrypt_public.h"
#include "security/hex_text.h"
#include "security/password_cipher.h"
#include "security/sm3.h"
#include "security/sm_api.h"
#include "security/sm_encrypt.h"
#include "security/yw_scramble.h"
#include "vector_file.h"

namespace ruzi {
namespace {

using Args = std::vector<std::string>;
const unsigned char* U(const std::string& bytes) { return reinterpret_cast<const unsigned char*>(bytes.data()); }
const unsigned char* U(const char* bytes) { return reinterpret_cast<const unsigned char*>(bytes); }
unsigned char* U(std::string& bytes) { return reinterpret_cast<unsigned char*>(bytes.data()); }
std::string Hex(const std::string& bytes) { return HexLower(U(bytes), bytes.size()); }

// The hex of the enciphered input, and a complaint unless deciphering gives the input back.
template <typename Block>
std::string BothWays(const Args& a, size_t size, Block block) {
  const std::string key = testing::FromHex(a[0]), input = testing::FromHex(a[1]);
  std::string cipher = input;
  for (size_t at = 0; at < cipher.size(); at += size) block(U(key), true, U(cipher) + at);
  std::string back = cipher;
  for (size_t at = 0; at < back.size(); at += size) block(U(key), false, U(back) + at);
  return Hex(cipher) + (back == input ? "" : " deciphers to " + Hex(back));
}

// The SM4 block layer: result code, then the output (the key is read up to a zero byte).
std::string Sm4Blocks(decltype(SM4Encrypt) call, const Args& a) {
  const int length = std::stoi(a[0]);
  std::string key = testing::FromHex(a[1]) + std::string(20, '\0'), input = testing::FromHex(a[2]), out(64, '\0');
  input.resize(64, '\0');
  const int code = call(U(input), length, U(out), a[1] == "-" ? nullptr : U(key));
  return std::to_string(code) + " " + Hex(out.substr(0, code == 0 ? length : 0));
}

// A C buffer entry: result code, then every byte of the buffer (a refused call leaves it alone).
std::string Buffer(int (*call)(const char*, const char*, char*), const Args& a, size_t size) {
  std::string out(size, '#');
  const int code = call(a[0].c_str(), a[1].c_str(), out.data());
  return std::to_string(code) + " " + out;
}

TEST(CipherVectors, KnownAnswers) {
  std::lock_guard guard(DesEngineLock());
  auto type = [](const Args& a) { return std::stoi(a[0]); };
  const std::map<std::string, testing::Answer> functions = {
      {"sm3", [](auto& a) {
         std::string message = testing::FromHex(a[1]), digest(Sm3::kDigestSize, '\0');
         Sm3Hash(message.data(), message.size(), U(digest));
         return Hex(digest);
       }},
      {"sm4", [](auto& a) { return BothWays(a, 16, testing::Sm4Block); }},
      {"sm4x1000000", [](auto& a) {
         Sm4RoundKeys keys;
         Sm4ExpandKey(U(testing::FromHex(a[0])), Sm4Direction::Encipher, keys);
         std::string block = testing::FromHex(a[1]);
         for (int i = 0; i < 1000000; ++i) Sm4CryptBlock(keys, U(block), U(block));
         return Hex(block);
       }},
      {"des", [](auto& a) { return BothWays(a, 8, testing::DesBlock); }},
      {"d2des", [](auto& a) { return BothWays(a, 16, testing::D2desBlock); }},
      {"GetDESKey", [&](auto& a) { return Hex(GetDESKey(type(a), a[1])); }},
      {"qxEncryptEx", [&](auto& a) { return qxEncryptEx(type(a), a[1], a[2], etEncrypt); }},
      {"qxDecryptEx", [&](auto& a) { return qxDecryptEx(type(a), a[1], a[2], etEncrypt); }},
      {"qxEncryptEx-disabled", [&](auto& a) { return qxEncryptEx(type(a), a[1], a[2], etDisableEncrypt); }},
      {"qxDecryptEx-disabled", [&](auto& a) { return qxDecryptEx(type(a), a[1], a[2], etDisableEncrypt); }},
      {"Decrypt3DES-disabled", [&](auto& a) { return Decrypt3DES(type(a), a[1], a[2], etDisableEncrypt); }},
      {"EncryptSM4", [&](auto& a) { return EncryptSM4(type(a), a[1], a[2], etEncrypt); }},
      {"DecryptSM4", [&](auto& a) { return DecryptSM4(type(a), a[1], a[2], etEncrypt); }},
      {"Encrypt3DES", [&](auto& a) { return Encrypt3DES(type(a), a[1], a[2], etEncrypt); }},
      {"Decrypt3DES", [&](auto& a) { return Decrypt3DES(type(a), a[1], a[2], etEncrypt); }},
      {"SM4_Encrypt", [](auto& a) { return SM4_Encrypt(a[0], a[1]); }},
      {"SM4_Decrypt", [](auto& a) { return SM4_Decrypt(a[0], a[1]); }},
      {"SM4_Decrypt-hex", [](auto& a) { return Hex(SM4_Decrypt(a[0], a[1])); }},
      {"des3_encrypt", [](auto& a) { return des3_encrypt(a[0], a[1]); }},
      {"des3_decrypt", [](auto& a) { return des3_decrypt(a[0], a[1]); }},
      {"gm_encrypt", [&](auto& a) { return gm_encrypt(type(a), a[1], a[2]); }},
      {"gm_decrypt", [&](auto& a) { return gm_decrypt(type(a), a[1], a[2]); }},
      {"SM3_Digest", [](auto& a) { return SM3_Digest(a[0]) + " " + SM3Digest(a[0]); }},
      {"SM3SM4", [&](auto& a) { return SM3SM4(type(a), a[1], a[2]); }},
      {"qxNewEncrypt", [](auto& a) { return qxNewEncrypt(a[0], a[1]); }},
      {"YWDecode", [](auto& a) { return YWDecode(a[0]); }},
      {"YWEncode", [](auto& a) { return YWEncode(a[0]); }},
      {"qxspecial_c", [](auto& a) { return Buffer(qxspecial_c, a, 33); }},
      {"qxunspecial_c", [](auto& a) { return Buffer(qxunspecial_c, a, 17); }},
      {"qxspecial", [](auto& a) { return Buffer(qxspecial, a, 33); }},
      {"qxunspecial", [](auto& a) { return Buffer(qxunspecial, a, 17); }},
      {"SM4Encrypt", [](auto& a) { return Sm4Blocks(SM4Encrypt, a); }},
      {"SM4Decrypt", [](auto& a) { return Sm4Blocks(SM4Decrypt, a); }},
      {"SM4BufLenFloor", [&](auto& a) { return std::to_string(SM4BufLenFloor(type(a))); }},
      {"SM3sum", [](auto& a) {
         std::string out(32, '\0');
         const int code = SM3sum(a[0].empty() ? nullptr : U(a[0]), static_cast<int>(a[0].size()), a[1] == "out" ? U(out) : nullptr);
         return std::to_string(code) + " " + Hex(out);
       }},
      {"BinToHex2", [&](auto& a) {
         std::string out = "########";
         BinToHex2(U(testing::FromHex(a[1])), out.data(), type(a));
         return out;
       }},
  };
  for (const char* file : {"ciphers.txt", "cipher_texts.txt", "cipher_errors.txt"}) testing::CheckAnswers(file, functions);
  EXPECT_EQ(InitGMalgo(), 0);
  EXPECT_NE(std::string(GetGM34Version()).find("SM3/SM4"), std::string::npos);
}

// The DES engine's process-wide schedules copied in and out, and which one a password leaves.
TEST(DesEngine, SchedulesCopyInAndOut) {
  std::lock_guard guard(DesEngineLock());
  const auto key_a = U("abcdefghijklmnop"), key_b = U("qrstuvwxyz012345");
  auto pass = [](std::string data) {
    data.resize(16, '\0');
    D2des(U(data), U(data));
    return Hex(data);
  };
  uint32_t saved[96], loaded[96];
  des2key(key_a, EN0);
  cookey(saved);
  const std::string under_a = pass("data");
  des2key(key_b, EN0);
  EXPECT_NE(pass("data"), under_a);
  use3key(saved);
  EXPECT_EQ(pass("data"), under_a);
  // Two schedules loaded: the third pass repeats the first, as des2key arranges it.
  des2key(key_b, EN0);
  useDkey(saved);
  EXPECT_EQ(pass("data"), under_a);
  // One schedule into the first pass; deskey builds the same one from the key bytes.
  DesSchedule first;
  MakeDesSchedule(key_b, EN0, first);
  for (bool by_key : {false, true}) {
    use3key(saved);
    by_key ? deskey(key_b, EN0) : cusekey(first.words);
    cookey(loaded);
    EXPECT_EQ(0, std::memcmp(loaded, first.words, sizeof first.words));
    EXPECT_EQ(0, std::memcmp(loaded + 32, saved + 32, 64 * sizeof(uint32_t)));
  }
  // Enciphering a password leaves its own schedule loaded last.
  char cipher[33];
  ASSERT_EQ(qxspecial_c("key", "plain", cipher), 0);
  EXPECT_EQ(StrToHex(testing::FromHex(pass("plain"))), cipher);
}

}  // namespace
}  // namespace ruzi
