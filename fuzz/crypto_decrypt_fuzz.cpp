// The decryption entry points on hex text from outside (configuration files, stored
// passwords). Input: one byte choosing the key type, the key string up to the first newline,
// then the text. Expected failures are ruzi::Error; anything else is a finding.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "foundation/error.h"
#include "security/encrypt_public.h"
#include "security/sm_encrypt.h"
#include "security/yw_scramble.h"

namespace {

template <typename Call>
void Expecting(Call call) {
  try {
    call();
  } catch (const ruzi::Error&) {
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const int key_type = data[0] % 6;
  std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
  const size_t newline = rest.find('\n');
  const std::string_view key = newline == std::string_view::npos ? std::string_view() : rest.substr(0, newline);
  const std::string_view text = newline == std::string_view::npos ? rest : rest.substr(newline + 1);

  Expecting([&] { ruzi::qxDecryptEx(key_type, key, text, ruzi::etEncrypt); });
  Expecting([&] { ruzi::gm_decrypt(key_type, key, text); });
  Expecting([&] { ruzi::SM4_Decrypt(key, text); });
  Expecting([&] { ruzi::des3_decrypt(key, text); });
  Expecting([&] { ruzi::YWEncode(text); });
  const std::string key_text(key), cipher_text(text);
  char out[17];
  if (ruzi::qxunspecial(key_text.c_str(), cipher_text.c_str(), out) == 0 && out[16] != '\0') __builtin_trap();
  return 0;
}
