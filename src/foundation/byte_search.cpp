#include "foundation/byte_search.h"

#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace ruzi {

#if defined(__SSE2__)

// Sixteen bytes a step: every x86-64 processor has SSE2.
size_t FindByte(const char* data, size_t size, char byte) {
  const __m128i pattern = _mm_set1_epi8(byte);
  size_t index = 0;
  for (; index + 16 <= size; index += 16) {
    const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + index));
    const int matches = _mm_movemask_epi8(_mm_cmpeq_epi8(block, pattern));
    if (matches != 0) return index + static_cast<size_t>(__builtin_ctz(static_cast<unsigned>(matches)));
  }
  while (index < size && data[index] != byte) ++index;
  return index;
}

#else

size_t FindByte(const char* data, size_t size, char byte) {
  constexpr uint64_t kLow = 0x0101010101010101ULL;
  constexpr uint64_t kHigh = 0x8080808080808080ULL;
  const uint64_t pattern = kLow * static_cast<unsigned char>(byte);
  size_t index = 0;
  // A word holds a zero byte exactly when (w - low) & ~w & high is not zero; XOR with the
  // pattern turns the bytes sought into zeros.
  for (; index + sizeof(uint64_t) <= size; index += sizeof(uint64_t)) {
    uint64_t word;
    std::memcpy(&word, data + index, sizeof word);
    word ^= pattern;
    if (((word - kLow) & ~word & kHigh) != 0) break;
  }
  while (index < size && data[index] != byte) ++index;
  return index;
}

#endif

size_t FindText(std::string_view text, std::string_view needle) {
  if (needle.empty()) return 0;
  size_t from = 0;
  while (text.size() - from >= needle.size()) {
    const size_t last_start = text.size() - needle.size();
    from += FindByte(text.data() + from, last_start - from + 1, needle.front());
    if (from > last_start) break;
    if (std::memcmp(text.data() + from + 1, needle.data() + 1, needle.size() - 1) == 0) return from;
    ++from;
  }
  return std::string_view::npos;
}

}  // namespace ruzi
