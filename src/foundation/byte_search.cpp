#include "foundation/text_length.h"

#include <cstdint>
#include <cstring>

namespace ruzi {

size_t TextLength(const char* data, size_t size) {
  constexpr uint64_t kLow = 0x0101010101010101ULL;
  constexpr uint64_t kHigh = 0x8080808080808080ULL;
  size_t index = 0;
  // A word holds a zero byte exactly when (w - low) & ~w & high is not zero.
  for (; index + sizeof(uint64_t) <= size; index += sizeof(uint64_t)) {
    uint64_t word;
    std::memcpy(&word, data + index, sizeof word);
    if (((word - kLow) & ~word & kHigh) != 0) break;
  }
  while (index < size && data[index] != '\0') ++index;
  return index;
}

}  // namespace ruzi
