#pragma once
// SM4 block cipher (GB/T 32907): 16-byte blocks under a 16-byte key, 32 rounds.
#include <cstdint>

namespace ruzi {

// Round keys in the order a block uses them: enciphering, or reversed for deciphering.
struct Sm4RoundKeys {
  uint32_t words[32];
};

enum class Sm4Direction { Encipher, Decipher };

void Sm4ExpandKey(const unsigned char key[16], Sm4Direction direction, Sm4RoundKeys& keys);
// in and out may be the same block.
void Sm4CryptBlock(const Sm4RoundKeys& keys, const unsigned char in[16], unsigned char out[16]);

}  // namespace ruzi
