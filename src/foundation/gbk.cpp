#include "foundation/gbk.h"

namespace ruzi {

GbkByteKind GbkByteKindAt(std::string_view text, size_t index) {
  size_t i = 0;
  while (i < index) i += IsGbkLeadByte(text[i]) ? 2 : 1;
  if (i > index) return GbkByteKind::Trail;
  return IsGbkLeadByte(text[index]) ? GbkByteKind::Lead : GbkByteKind::Single;
}

size_t GbkSafeLength(std::string_view text, size_t max_bytes) {
  if (max_bytes >= text.size()) return text.size();
  return GbkByteKindAt(text, max_bytes) == GbkByteKind::Trail ? max_bytes - 1 : max_bytes;
}

}  // namespace ruzi
