#pragma once
// Replacement that never starts a match on the second byte of a GBK character: every
// occurrence of `old_text`, left to right and not overlapping. An empty `old_text` leaves the
// text unchanged. Pure functions: any thread may call them.
#include <string>
#include <string_view>

#include "ruzirareva/export.h"

namespace ruzi {

RUZI_API std::string ReplaceStr(std::string_view text, std::string_view old_text, std::string_view new_text);

// The same with ASCII letters compared without case (double-byte characters as they are).
RUZI_API std::string ReplaceTextIgnoreCase(std::string_view text, std::string_view old_text, std::string_view new_text);

// Whether `sub` occurs in the text, starting on a character boundary, ASCII case ignored.
RUZI_API bool ContainsTextIgnoreCase(std::string_view text, std::string_view sub);

}  // namespace ruzi
