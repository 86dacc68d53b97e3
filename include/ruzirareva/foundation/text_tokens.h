#pragma once
// Token and marker helpers over GBK byte strings. Searches are case-sensitive; an empty
// separator or marker is never found. Pure functions: any thread may call them.
#include <string>
#include <string_view>
#include <vector>

#include "ruzirareva/export.h"

namespace ruzi {

// The text before the first separator; `text` keeps what follows it. Without a separator
// the whole text is returned and `text` is emptied.
RUZI_API std::string GetToken(std::string& text, std::string_view separator);

// The text between the first `left` and the next `right` after it; empty if either is missing.
RUZI_API std::string GetString(std::string_view text, std::string_view left, std::string_view right);

// The text before / after the first `sub`; empty if it does not occur.
RUZI_API std::string GetStringLeft(std::string_view text, std::string_view sub);
RUZI_API std::string GetStringRight(std::string_view text, std::string_view sub);

// Occurrences of `sub`, overlapping ones included, in the text up to its first zero byte.
RUZI_API int HowMany(std::string_view text, std::string_view sub);

// A non-empty text: the list is cleared and receives HowMany(text, separator) + 1 tokens
// taken with GetToken (so overlapping separators yield fewer real splits than the count).
// An empty text leaves the list as it was.
RUZI_API void SplitStrBySubStr(std::string_view text, std::string_view separator, std::vector<std::string>& list);

template <typename T>
T IIF(bool condition, T a, T b) {
  return condition ? a : b;
}

}  // namespace ruzi
