#include "foundation/byte_search.h"

#include <cstdint>
#include <cstring>

namespace ruzi {

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
