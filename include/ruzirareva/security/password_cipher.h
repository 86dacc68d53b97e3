#pragma once
// The 16-byte password cipher on the DES engine (double-block mode under a key derived from a
// short key string). Arguments are zero-terminated byte strings; both hold the engine's lock
// from key set-up to output and leave the password's schedule loaded in the engine. Any thread may
// call them.
#include "ruzirareva/export.h"

namespace ruzi {

// plain: at most 16 bytes; key: at most 15. out receives 32 upper-case hex digits and a zero
// byte (33 bytes). Returns 0, or -1 on a length error (out untouched).
RUZI_API int qxspecial_c(const char* key, const char* plain, char* out);
// cipher: exactly 32 upper-case hex digits; key: at most 15 bytes. out receives the 16
// deciphered bytes and a zero byte (17 bytes). Returns 0, or -1 on a length error.
RUZI_API int qxunspecial_c(const char* key, const char* cipher, char* out);

}  // namespace ruzi
