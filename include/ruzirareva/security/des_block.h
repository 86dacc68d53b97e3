#pragma once
// The DES block function (FIPS 46-3) on one 64-bit block under one key schedule. Pure functions on
// the caller's schedule: any thread may call them.
#include <cstdint>

#include "ruzirareva/export.h"

namespace ruzi {

// Mode numbers of the DES engine: 0 enciphers, 1 deciphers.
constexpr int EN0 = 0;
constexpr int DE1 = 1;

// Sixteen round keys of 48 bits, each kept as two words whose bytes hold the six-bit groups
// that meet one S-box apiece (groups 1, 3, 5, 7 in the first word, 0, 2, 4, 6 in the second),
// already in the order the rounds use them for the schedule's mode.
struct DesSchedule {
  uint32_t words[32];
};

// key: 8 bytes (parity bits ignored); mode EN0 or DE1.
RUZI_API void MakeDesSchedule(const unsigned char key[8], int mode, DesSchedule& schedule);
// One block as its two big-endian halves, initial and final permutation included.
RUZI_API void DesCryptHalves(const DesSchedule& schedule, uint32_t& left, uint32_t& right);
// in and out may be the same block.
RUZI_API void DesCryptBlock(const DesSchedule& schedule, const unsigned char in[8], unsigned char out[8]);

}  // namespace ruzi
