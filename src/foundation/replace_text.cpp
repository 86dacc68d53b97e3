#include "foundation/replace_text.h"

#include "platform/ascii_case.h"
#include "foundation/gbk.h"

namespace ruzi {
namespace {

bool MatchesAt(std::string_view text, size_t at, std::string_view sub, bool ignore_case) {
  if (text.size() - at < sub.size()) return false;
  const std::string_view part = text.substr(at, sub.size());
  return ignore_case ? AsciiEqualIgnoreCase(part, sub) : part == sub;
}

// Walks character by character; on each boundary either replaces a match or copies the
// character. Returns whether anything matched.
bool Replace(std::string_view text, std::string_view old_text, std::string_view new_text, bool ignore_case,
             std::string* out) {
  bool matched = false;
  size_t i = 0;
  while (i < text.size()) {
    if (!old_text.empty() && MatchesAt(text, i, old_text, ignore_case)) {
      matched = true;
      if (out == nullptr) return true;
      out->append(new_text);
      i += old_text.size();
      continue;
    }
    const size_t length = IsGbkLeadByte(text[i]) && i + 1 < text.size() ? 2 : 1;
    if (out != nullptr) out->append(text.substr(i, length));
    i += length;
  }
  return matched;
}

}  // namespace

std::string ReplaceStr(std::string_view text, std::string_view old_text, std::string_view new_text) {
  std::string out;
  Replace(text, old_text, new_text, false, &out);
  return out;
}

std::string ReplaceTextIgnoreCase(std::string_view text, std::string_view old_text, std::string_view new_text) {
  std::string out;
  Replace(text, old_text, new_text, true, &out);
  return out;
}

bool ContainsTextIgnoreCase(std::string_view text, std::string_view sub) {
  return Replace(text, sub, {}, true, nullptr);
}

}  // namespace ruzi
