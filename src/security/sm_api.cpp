#include "security/sm_api.h"

#include <algorithm>
#include <cstdint>

#include "security/secure_wipe.h"
#include "security/sm3.h"
#include "security/sm4.h"

namespace ruzi {
namespace {

int RunSm4(const unsigned char* input, int length, unsigned char* output, const unsigned char* key,
           Sm4Direction direction) {
  if (input == nullptr || output == nullptr || key == nullptr) return -1;
  if (length < 0 || length % 16 != 0) return -2;
  unsigned char key_block[16] = {};
  ScopedWipe wipe_key(key_block, sizeof key_block);
  std::copy(key, std::find(key, key + sizeof key_block, 0), key_block);
  Sm4RoundKeys round_keys;
  ScopedWipe wipe_round_keys(&round_keys, sizeof round_keys);
  Sm4ExpandKey(key_block, direction, round_keys);
  for (int offset = 0; offset < length; offset += 16) Sm4CryptBlock(round_keys, input + offset, output + offset);
  return 0;
}

}  // namespace

int SM4Encrypt(const unsigned char* input, int length, unsigned char* output, const unsigned char* key) {
  return RunSm4(input, length, output, key, Sm4Direction::Encipher);
}

int SM4Decrypt(const unsigned char* input, int length, unsigned char* output, const unsigned char* key) {
  return RunSm4(input, length, output, key, Sm4Direction::Decipher);
}

int SM3sum(const unsigned char* input, int length, unsigned char* output) {
  if (input == nullptr || output == nullptr || length < 0) return -1;
  Sm3Hash(input, static_cast<size_t>(length), output);
  return 0;
}

int SM4BufLenFloor(int n) {
  if (n <= 0) return 16;
  return static_cast<int>((int64_t{n} + 15) / 16 * 16);
}

int InitGMalgo() { return 0; }

const char* GetGM34Version() { return "ruzirareva SM3/SM4 " RUZI_VERSION; }

}  // namespace ruzi
