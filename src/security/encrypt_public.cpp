#include "security/encrypt_public.h"

#include "foundation/error.h"
#include "foundation/trim.h"
#include "security/des_key.h"
#include "security/encrypt_switches.h"
#include "security/password_cipher.h"
#include "security/secure_wipe.h"
#include "security/sm_encrypt.h"

namespace ruzi {
namespace {

constexpr size_t kSm4CipherDigits = 64;
constexpr size_t kDesCipherDigits = 32;

bool Enciphering(TEncryptType type) { return type == etEncrypt || (type == etNone && CheckDisableEncrypt()); }

std::string WorkingKey(int key_type, std::string_view key) {
  return key_type == 0 ? std::string(key) : GetDESKey(key_type, key);
}

}  // namespace

std::string qxEncryptEx(int key_type, std::string_view key, std::string_view plain, TEncryptType type) {
  return is_use_sm() ? EncryptSM4(key_type, key, plain, type) : Encrypt3DES(key_type, key, plain, type);
}

std::string qxDecryptEx(int key_type, std::string_view key, std::string_view cipher, TEncryptType type) {
  return cipher.size() == kSm4CipherDigits ? DecryptSM4(key_type, key, cipher, type)
                                           : Decrypt3DES(key_type, key, cipher, type);
}

std::string EncryptSM4(int key_type, std::string_view key, std::string_view plain, TEncryptType type) {
  if (!Enciphering(type)) return std::string(plain);
  std::string working_key = WorkingKey(key_type, key);
  ScopedWipe wipe(working_key);
  return SM4_Encrypt(working_key, plain);
}

std::string DecryptSM4(int key_type, std::string_view key, std::string_view cipher, TEncryptType type) {
  if (!Enciphering(type)) return std::string(cipher);
  std::string working_key = WorkingKey(key_type, key);
  ScopedWipe wipe(working_key);
  return SM4_Decrypt(working_key, cipher);
}

std::string Encrypt3DES(int key_type, std::string_view key, std::string_view plain, TEncryptType type) {
  if (!Enciphering(type)) return std::string(plain);
  std::string working_key = WorkingKey(key_type, key);
  ScopedWipe wipe_key(working_key);
  std::string plain_text(plain);
  ScopedWipe wipe_plain(plain_text);
  char out[kDesCipherDigits + 1];
  const int code = qxspecial(working_key.c_str(), plain_text.c_str(), out);
  if (code == -1) throw Error("[qxEncryptEx]密钥或密码的长度越界!");
  if (code != 0) throw Error("[qxEncryptEx]加密密码操作发生未知错误(" + std::to_string(code) + ")!");
  return std::string(out, kDesCipherDigits);
}

std::string Decrypt3DES(int key_type, std::string_view key, std::string_view cipher, TEncryptType type) {
  if (!Enciphering(type)) return std::string(cipher);
  const std::string trimmed = Trim(cipher);
  if (trimmed.empty()) return "";
  if (trimmed.size() > 16 && trimmed.size() < kDesCipherDigits) throw Error("[qxDecryptEx]密码的长度越界!");
  std::string working_key = WorkingKey(key_type, key);
  ScopedWipe wipe_key(working_key);
  char out[17];
  ScopedWipe wipe_out(out, sizeof out);
  const int code = qxunspecial(working_key.c_str(), trimmed.c_str(), out);
  if (code == -1) throw Error("[qxDecryptEx]密钥或密码的长度越界!");
  if (code != 0) throw Error("[qxDecryptEx]解密密码操作发生未知错误(" + std::to_string(code) + ")!");
  return std::string(out);
}

std::string qxNewEncrypt(std::string_view key, std::string_view text) { return SM3_Digest(gm_encrypt(3, key, text)); }

std::string SM3Digest(std::string_view text) { return SM3_Digest(text); }

std::string SM3DigestFile(const std::string& file_name) { return SM3_Digest_File(file_name); }

int qxspecial(const char* key, const char* input, char* output) { return qxspecial_c(key, input, output); }

int qxunspecial(const char* key, const char* input, char* output) { return qxunspecial_c(key, input, output); }

}  // namespace ruzi
