#include "security/password_cipher.h"

#include <array>
#include <cstdint>
#include <cstring>

#include "foundation/hex_text.h"
#include "security/d3des.h"
#include "security/hex_text.h"
#include "security/secure_wipe.h"

namespace ruzi {
namespace {

constexpr size_t kMaxPlain = 16;
constexpr size_t kMaxKey = 15;
constexpr size_t kCipherDigits = 32;

// des2key of the default key, built once (the first call holds the engine lock).
const std::array<uint32_t, 96>& DefaultKeySchedules() {
  static const std::array<uint32_t, 96> schedules = [] {
    std::array<uint32_t, 96> saved, built;
    cookey(saved.data());
    des2key(kDesDefaultKey, EN0);
    cookey(built.data());
    use3key(saved.data());
    return built;
  }();
  return schedules;
}

// The 16-byte key block of a key string. The caller holds the engine lock. A key of at most 15
// bytes fills the 16-byte work buffer in one pass, so one round of folding always suffices:
// the bytes up to the first zero (top bit cleared) are folded into the default key block,
// which is then enciphered with the default key. The mask keeps the loop free of branches on
// key bytes. The engine's schedules are the same before and after.
void DeriveKeyBlock(const char* key, size_t key_length, unsigned char block[16]) {
  uint32_t saved[96];
  ScopedWipe wipe_saved(saved, sizeof saved);
  cookey(saved);
  use3key(DefaultKeySchedules().data());
  std::memcpy(block, kDesDefaultKey, 16);
  unsigned char buffer[16] = {};
  ScopedWipe wipe_buffer(buffer, sizeof buffer);
  std::memcpy(buffer, key, key_length);
  unsigned char before_zero = 0xff;
  for (size_t i = 0; i < sizeof buffer; ++i) {
    before_zero &= static_cast<unsigned char>(0u - static_cast<unsigned>(buffer[i] != 0));
    block[i] ^= static_cast<unsigned char>(buffer[i] & 0x7f & before_zero);
  }
  D2des(block, block);
  use3key(saved);
}

}  // namespace

int qxspecial_c(const char* key, const char* plain, char* out) {
  const size_t key_length = std::strlen(key);
  const size_t plain_length = std::strlen(plain);
  if (plain_length > kMaxPlain || key_length > kMaxKey) return -1;
  std::lock_guard guard(DesEngineLock());
  unsigned char block[16];
  ScopedWipe wipe_block(block, sizeof block);
  DeriveKeyBlock(key, key_length, block);
  des2key(block, EN0);
  unsigned char data[16] = {};
  ScopedWipe wipe_data(data, sizeof data);
  std::memcpy(data, plain, plain_length);
  D2des(data, data);
  const std::string hex = StrToHex(std::string_view(reinterpret_cast<const char*>(data), sizeof data));
  std::memcpy(out, hex.c_str(), kCipherDigits + 1);
  return 0;
}

int qxunspecial_c(const char* key, const char* cipher, char* out) {
  const size_t key_length = std::strlen(key);
  if (std::strlen(cipher) != kCipherDigits || key_length > kMaxKey) return -1;
  std::lock_guard guard(DesEngineLock());
  unsigned char block[16];
  ScopedWipe wipe_block(block, sizeof block);
  DeriveKeyBlock(key, key_length, block);
  des2key(block, DE1);
  unsigned char data[16];
  ScopedWipe wipe_data(data, sizeof data);
  ReadHexUpperLoose(cipher, sizeof data, data);
  D2des(data, data);
  std::memcpy(out, data, sizeof data);
  out[sizeof data] = '\0';
  return 0;
}

}  // namespace ruzi
