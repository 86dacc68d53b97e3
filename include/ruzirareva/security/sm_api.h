#pragma once
// The national-cipher block layer: SM4 in ECB mode and SM3 over raw buffers, with integer
// results instead of exceptions. Pure functions: any thread may call them.
#include "ruzirareva/export.h"

namespace ruzi {

// key: at most 16 bytes up to its first zero byte, padded with zero bytes to 16. Each 16-byte
// block of input is processed on its own into output (which may be input). Returns -1 when a
// pointer is null, -2 when length is not a multiple of 16 (or negative), else 0.
RUZI_API int SM4Encrypt(const unsigned char* input, int length, unsigned char* output, const unsigned char* key);
RUZI_API int SM4Decrypt(const unsigned char* input, int length, unsigned char* output, const unsigned char* key);
// 32 digest bytes into output. -1 on a null pointer (or a negative length), else 0.
RUZI_API int SM3sum(const unsigned char* input, int length, unsigned char* output);
// The buffer size SM4 needs for n bytes: 16 for 0, else n rounded up to a multiple of 16.
RUZI_API int SM4BufLenFloor(int n);
// Nothing to prepare; called once at unit start. Returns 0.
RUZI_API int InitGMalgo();
// Build text of this layer.
RUZI_API const char* GetGM34Version();

}  // namespace ruzi
