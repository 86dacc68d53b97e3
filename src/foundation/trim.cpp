#include "foundation/trim.h"

namespace ruzi {
namespace {

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

size_t FirstKept(std::string_view text) {
  size_t begin = 0;
  while (begin < text.size() && IsBlank(text[begin])) ++begin;
  return begin;
}

size_t EndKept(std::string_view text) {
  size_t end = text.size();
  while (end > 0 && IsBlank(text[end - 1])) --end;
  return end;
}

}  // namespace

std::string Trim(std::string_view text) {
  const size_t begin = FirstKept(text);
  if (begin == text.size()) return {};
  return std::string(text.substr(begin, EndKept(text) - begin));
}

std::string TrimLeft(std::string_view text) { return std::string(text.substr(FirstKept(text))); }

std::string TrimRight(std::string_view text) { return std::string(text.substr(0, EndKept(text))); }

}  // namespace ruzi
