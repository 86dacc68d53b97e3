#pragma once
// One block of each cipher, in place, under `key`, enciphering or deciphering: the form in which
// the known answers and the cross-check against OpenSSL drive them.
#include <mutex>

#include "security/d3des.h"
#include "security/des_block.h"
#include "security/sm4.h"

namespace ruzi::testing {

inline void Sm4Block(const unsigned char* key, bool encipher, unsigned char* data) {
  Sm4RoundKeys keys;
  Sm4ExpandKey(key, encipher ? Sm4Direction::Encipher : Sm4Direction::Decipher, keys);
  Sm4CryptBlock(keys, data, data);
}

inline void DesBlock(const unsigned char* key, bool encipher, unsigned char* data) {
  DesSchedule schedule;
  MakeDesSchedule(key, encipher ? EN0 : DE1, schedule);
  DesCryptBlock(schedule, data, data);
}

// Sixteen bytes through the DES engine's double-block mode, under its sixteen-byte key.
inline void D2desBlock(const unsigned char* key, bool encipher, unsigned char* data) {
  std::lock_guard guard(DesEngineLock());
  des2key(key, encipher ? EN0 : DE1);
  D2des(data, data);
}

}  // namespace ruzi::testing
