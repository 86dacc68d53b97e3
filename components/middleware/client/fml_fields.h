#pragma once
// A minimal field buffer ("FML32"/"FML"): occurrences of numbered fields stored one after
// another, so the bytes can travel as they are. Layout of the region: a 32-bit count of the
// bytes in use (itself included), then entries of a 32-bit field id, a 32-bit value length
// and the value. The field id's top seven bits give the value type, as field tables number
// them: 0 short, 1 long, 2 char, 3 float, 4 double, 5 string (NUL included), 6 byte array.
// Every function returns 0 on success and -1 on failure (the region is then unchanged).
#include <cstddef>
#include <cstdint>

namespace ruzi::wsclient {

inline constexpr size_t kFmlMinimumBytes = 4;

void InitFmlFields(char* region, size_t capacity);
// Bytes in use, header included; what a call sends.
size_t FmlUsedBytes(const char* region);
// Copies occurrence `occurrence` of the field into `value`; with `max_length` > 0 a longer
// value fails instead of overrunning. `*length` (when given) receives the value's length.
int32_t FmlGet(const char* region, int32_t field_id, int32_t occurrence, void* value, int32_t max_length,
               int32_t* length = nullptr);
// Replaces the occurrence, or adds it when it is the next one. `length` counts only for byte
// arrays; the other types take their own width.
int32_t FmlChange(char* region, size_t capacity, int32_t field_id, int32_t occurrence, const void* value,
                  int32_t length);
int32_t FmlAdd(char* region, size_t capacity, int32_t field_id, const void* value, int32_t length);
// Occurrences of the field.
int32_t FmlCount(const char* region, int32_t field_id);

}  // namespace ruzi::wsclient
