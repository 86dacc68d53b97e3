#pragma once
// Small data routines of the named-query package that the tree and the datasets share. Pure
// functions: any thread may call them.
#include <cstdint>
#include <string>
#include <string_view>

#include "ruzirareva/export.h"
#include "ruzirareva/foundation/variant.h"

namespace ruzi {

// A 20-byte bookmark: RecNo in bytes 0 to 3 and SeqNo in bytes 10 to 13, both little-endian;
// every other byte 0.
RUZI_API std::string GetBookStr(int32_t rec_no, int32_t seq_no);
// The two numbers back; 0 from a text shorter than 20 bytes.
RUZI_API int32_t BookStrRecNo(std::string_view bookmark);
RUZI_API int32_t BookStrSeqNo(std::string_view bookmark);
// 1-based position of the first occurrence of the separator in the text, 0 when none (or when
// the separator is empty).
RUZI_API int GetDataPos(std::string_view separator, std::string_view text);
// The Size bytes at Buffer as a byte-array variant (an empty array for Size <= 0).
RUZI_API void BufferToByteArray(const void* buffer, int size, Variant& value);

}  // namespace ruzi
