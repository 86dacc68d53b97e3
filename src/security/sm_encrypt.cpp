#include "security/sm_encrypt.h"

#include <algorithm>
#include <cstring>
#include <optional>

#include "foundation/error.h"
#include "foundation/hex_text.h"
#include "platform/shared_read_file.h"
#include "security/des_key.h"
#include "security/hex_text.h"
#include "security/password_cipher.h"
#include "security/secure_wipe.h"
#include "security/sm3.h"
#include "security/sm_api.h"

namespace ruzi {
namespace {

constexpr size_t kSm4PlainMax = 16;
constexpr size_t kSm4DataSize = 32;
constexpr size_t kSm4CipherDigits = 64;

// The bytes up to the first zero, as the zero-terminated results of the ciphers are read.
std::string UpToFirstZero(const unsigned char* bytes, size_t size) {
  const void* zero = std::memchr(bytes, 0, size);
  const size_t length = zero == nullptr ? size : static_cast<size_t>(static_cast<const unsigned char*>(zero) - bytes);
  return std::string(reinterpret_cast<const char*>(bytes), length);
}

void CopyKeyBlock(std::string_view key, unsigned char block[16]) {
  std::memset(block, 0, 16);
  std::memcpy(block, key.data(), std::min<size_t>(16, key.size()));
}

}  // namespace

std::string SM4_Encrypt(std::string_view key, std::string_view plain) {
  if (plain.size() > kSm4PlainMax) throw Error("[EncryptSM4]函数发生错误[PassWord]长度最多16位 !");
  unsigned char key_block[16];
  ScopedWipe wipe_key(key_block, sizeof key_block);
  CopyKeyBlock(key, key_block);
  unsigned char data[kSm4DataSize] = {};
  ScopedWipe wipe_data(data, sizeof data);
  std::memcpy(data, plain.data(), plain.size());
  const int code = SM4Encrypt(data, sizeof data, data, key_block);
  if (code != 0) throw Error("[SM4Encrypt]函数发生错误 (" + std::to_string(code) + ")!");
  return HexLower(data, sizeof data);
}

std::string SM4_Decrypt(std::string_view key, std::string_view cipher) {
  if (cipher.empty()) return "";
  if (cipher.size() != kSm4CipherDigits) throw Error("[DecryptSM4]函数发生错误[PassWord]长度限制64位 !");
  unsigned char key_block[16];
  ScopedWipe wipe_key(key_block, sizeof key_block);
  CopyKeyBlock(key, key_block);
  unsigned char data[kSm4DataSize] = {};
  ScopedWipe wipe_data(data, sizeof data);
  // Digits of either case; a pair that is not hex ends the conversion, the rest stays zero.
  const std::string bytes = HexToStr(cipher);
  std::memcpy(data, bytes.data(), std::min(bytes.size(), sizeof data));
  const int code = SM4Decrypt(data, sizeof data, data, key_block);
  if (code != 0) throw Error("[SM4Decrypt]函数发生错误 (" + std::to_string(code) + ")!");
  return UpToFirstZero(data, sizeof data);
}

std::string SM3_Digest(std::string_view text) {
  unsigned char digest[Sm3::kDigestSize];
  Sm3Hash(text.data(), text.size(), digest);
  return HexLower(digest, sizeof digest);
}

std::string SM3_Digest_File(const std::string& file_name) {
  std::optional<std::string> contents = platform::ReadFileDenyingWriters(file_name);
  if (!contents) return "";
  return SM3_Digest(*contents);
}

std::string des3_encrypt(std::string_view key, std::string_view plain) {
  std::string key_text(key);
  ScopedWipe wipe_key(key_text);
  std::string plain_text(plain);
  ScopedWipe wipe_plain(plain_text);
  char out[33];
  const int code = qxspecial_c(key_text.c_str(), plain_text.c_str(), out);
  if (code != 0) throw Error("des3_encrypt密钥或密码的长度越界");
  return std::string(out, 32);
}

std::string des3_decrypt(std::string_view key, std::string_view cipher) {
  if (cipher.empty()) return "";
  std::string key_text(key);
  ScopedWipe wipe_key(key_text);
  const std::string cipher_text(cipher);
  char out[17];
  ScopedWipe wipe_out(out, sizeof out);
  const int code = qxunspecial_c(key_text.c_str(), cipher_text.c_str(), out);
  if (code != 0) throw Error("des3_decrypt解密失败");
  return UpToFirstZero(reinterpret_cast<const unsigned char*>(out), 16);
}

std::string gm_encrypt(int key_type, std::string_view key, std::string_view plain) {
  std::string working_key = GetDESKey(key_type, key);
  ScopedWipe wipe(working_key);
  return SM4_Encrypt(working_key, plain);
}

std::string gm_decrypt(int key_type, std::string_view key, std::string_view cipher) {
  std::string working_key = GetDESKey(key_type, key);
  ScopedWipe wipe(working_key);
  if (cipher.size() == kSm4CipherDigits) return SM4_Decrypt(working_key, cipher);
  return des3_decrypt(working_key, cipher);
}

std::string SM3SM4(int key_type, std::string_view key, std::string_view text) {
  std::string input = GetDESKey(key_type, key);
  ScopedWipe wipe(input);
  input.append(text);
  return SM3_Digest(input);
}

void BinToHex2(const unsigned char* bytes, char* output, int count) {
  if (count > 0) WriteHexLower(bytes, static_cast<size_t>(count), output);
}

}  // namespace ruzi
