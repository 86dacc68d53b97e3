#include "foundation/text_tokens.h"

#include <utility>

namespace ruzi {
namespace {

size_t Find(std::string_view text, std::string_view sub, size_t from = 0) {
  if (sub.empty()) return std::string_view::npos;
  return text.find(sub, from);
}

}  // namespace

std::string GetToken(std::string& text, std::string_view separator) {
  const size_t at = Find(text, separator);
  if (at == std::string_view::npos) return std::exchange(text, std::string());
  std::string token = text.substr(0, at);
  text.erase(0, at + separator.size());
  return token;
}

std::string GetString(std::string_view text, std::string_view left, std::string_view right) {
  const size_t start = Find(text, left);
  if (start == std::string_view::npos) return {};
  const size_t inner = start + left.size();
  const size_t end = Find(text, right, inner);
  if (end == std::string_view::npos) return {};
  return std::string(text.substr(inner, end - inner));
}

std::string GetStringLeft(std::string_view text, std::string_view sub) {
  const size_t at = Find(text, sub);
  return at == std::string_view::npos ? std::string() : std::string(text.substr(0, at));
}

std::string GetStringRight(std::string_view text, std::string_view sub) {
  const size_t at = Find(text, sub);
  return at == std::string_view::npos ? std::string() : std::string(text.substr(at + sub.size()));
}

int HowMany(std::string_view text, std::string_view sub) {
  text = text.substr(0, text.find('\0'));
  int count = 0;
  for (size_t at = Find(text, sub); at != std::string_view::npos; at = Find(text, sub, at + 1)) ++count;
  return count;
}

void SplitStrBySubStr(std::string_view text, std::string_view separator, std::vector<std::string>& list) {
  if (text.empty()) return;
  list.clear();
  std::string rest(text);
  const int tokens = HowMany(text, separator) + 1;
  for (int i = 0; i < tokens; ++i) list.push_back(GetToken(rest, separator));
}

}  // namespace ruzi
