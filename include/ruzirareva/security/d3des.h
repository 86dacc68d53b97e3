#pragma once
// The process-wide DES engine: three key schedules (first, second and third pass) that the
// double-block mode runs through. Whoever sets schedules and runs blocks holds
// DesEngineLock() from key set-up to output; the lock may be taken again on the same thread. Any
// thread may use the engine while it holds the lock.
#include <cstdint>
#include <mutex>

#include "ruzirareva/export.h"
#include "ruzirareva/security/des_block.h"

namespace ruzi {

RUZI_API std::recursive_mutex& DesEngineLock();

// The engine's fixed 24-byte default key; des2key takes its first 16 bytes.
extern RUZI_API const unsigned char kDesDefaultKey[24];

// The schedule of an 8-byte key for mode EN0 or DE1, into the first pass.
RUZI_API void deskey(const unsigned char key[8], int mode);
// All three passes from a 16-byte key: first = bytes 0-7 in mode, second = bytes 8-15 in the
// opposite mode, third = first.
RUZI_API void des2key(const unsigned char key[16], int mode);
// 16 bytes as four big-endian words L0 R0 L1 R1: each pass runs over both 8-byte halves, and
// R0 and L1 are exchanged between the passes. in and out may be the same buffer.
RUZI_API void D2des(const unsigned char in[16], unsigned char out[16]);

// Copies the three passes out (96 words), e.g. to restore them later with use3key.
RUZI_API void cookey(uint32_t into[96]);
// Loads three passes (96 words).
RUZI_API void use3key(const uint32_t from[96]);
// Loads the first and second passes (64 words); the third becomes the first.
RUZI_API void useDkey(const uint32_t from[64]);
// Loads one schedule (32 words) into the first pass.
RUZI_API void cusekey(const uint32_t from[32]);

}  // namespace ruzi
