#pragma once
// Searches over service texts, which run to 64 KB and more. The CRT's strlen and memchr under
// Wine test one byte at a time; these test sixteen (eight without SSE2).
#include <cstddef>
#include <string_view>

namespace ruzi {

// Index of the first `byte` among the first `size` bytes, or `size` when there is none.
size_t FindByte(const char* data, size_t size, char byte);

// Index of the first NUL among the first `size` bytes, or `size` when there is none.
inline size_t TextLength(const char* data, size_t size) { return FindByte(data, size, '\0'); }

// Index of the first occurrence of `needle` in `text`, or npos (an empty needle is found at 0).
size_t FindText(std::string_view text, std::string_view needle);

}  // namespace ruzi
