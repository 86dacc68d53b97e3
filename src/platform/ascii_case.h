#pragma once
// ASCII-only case folding: the rule Windows applies to environment names, INI sections and
// keys. Double-byte characters are compared as they are.
#include <string>
#include <string_view>

namespace ruzi {

inline char AsciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

inline bool AsciiEqualIgnoreCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (AsciiUpper(a[i]) != AsciiUpper(b[i])) return false;
  }
  return true;
}

}  // namespace ruzi
