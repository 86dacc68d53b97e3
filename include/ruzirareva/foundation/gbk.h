#pragma once
// Double-byte awareness for GBK text. The lead-byte range is fixed (0x81 to 0xFE) rather than
// taken from the process code page, so results do not depend on the machine's locale. Pure
// functions: any thread may call them.
#include <cstddef>
#include <string_view>

#include "ruzirareva/export.h"

namespace ruzi {

inline bool IsGbkLeadByte(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte >= 0x81 && byte <= 0xFE;
}

enum class GbkByteKind { Single, Lead, Trail };

// What the byte at index (0-based) is, scanning characters from the start of the text. A lead
// byte at the very end of the text counts as Lead (its pair is missing).
RUZI_API GbkByteKind GbkByteKindAt(std::string_view text, size_t index);

// The longest prefix of at most max_bytes bytes that does not split a double-byte character.
RUZI_API size_t GbkSafeLength(std::string_view text, size_t max_bytes);

}  // namespace ruzi
