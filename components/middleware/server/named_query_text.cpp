#include "named_query_text.h"

#include <algorithm>
#include <optional>
#include <regex>
#include <utility>

#include "platform/ascii_case.h"

namespace ruzi::mwd {
namespace {

bool IsNameChar(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

size_t NameEnd(std::string_view text, size_t at) {
  while (at < text.size() && IsNameChar(text[at])) ++at;
  return at;
}

// Calls visit(start, end) for each name outside quoted texts; visit returns the replacement or
// nothing to keep the name, and may move `end` on to replace more. With `markers` the names are
// ":name" markers (the colon is part of the span).
template <typename Visit>
std::string Rewrite(std::string_view sql, bool markers, Visit visit) {
  std::string out;
  out.reserve(sql.size());
  size_t at = 0;
  while (at < sql.size()) {
    const char c = sql[at];
    if (c == '\'') {
      const size_t close = sql.find('\'', at + 1);
      const size_t end = close == std::string_view::npos ? sql.size() : close + 1;
      out.append(sql.substr(at, end - at));
      at = end;
      continue;
    }
    const bool starts = markers ? (c == ':' && at + 1 < sql.size() && IsNameChar(sql[at + 1]) &&
                                   (at == 0 || sql[at - 1] != ':'))
                                : (IsNameChar(c) && (at == 0 || !IsNameChar(sql[at - 1])));
    if (!starts) {
      out += c;
      ++at;
      continue;
    }
    size_t end = NameEnd(sql, markers ? at + 1 : at);
    const size_t name_end = end;
    const std::optional<std::string> replacement = visit(at, end);
    if (!replacement) end = name_end;
    out += replacement ? *replacement : std::string(sql.substr(at, end - at));
    at = end;
  }
  return out;
}

std::vector<std::pair<std::string, std::string>> Pairs(std::string_view condition) {
  std::vector<std::pair<std::string, std::string>> pairs;
  while (!condition.empty()) {
    const size_t semicolon = condition.find(';');
    std::string_view pair = condition.substr(0, semicolon);
    condition = semicolon == std::string_view::npos ? std::string_view() : condition.substr(semicolon + 1);
    const size_t equals = pair.find('=');
    if (equals == std::string_view::npos) continue;
    std::string_view name = pair.substr(0, equals);
    while (!name.empty() && name.front() == ' ') name.remove_prefix(1);
    while (!name.empty() && name.back() == ' ') name.remove_suffix(1);
    if (!name.empty()) pairs.emplace_back(std::string(name), std::string(pair.substr(equals + 1)));
  }
  return pairs;
}

}  // namespace

std::string ApplyConditionPairs(std::string_view sql, std::string_view condition) {
  const auto pairs = Pairs(condition);
  return Rewrite(sql, true, [&](size_t start, size_t& end) -> std::optional<std::string> {
    const std::string_view name = sql.substr(start + 1, end - start - 1);
    const auto found = std::find_if(pairs.begin(), pairs.end(),
                                    [&](const auto& pair) { return AsciiEqualIgnoreCase(pair.first, name); });
    if (found == pairs.end()) return std::nullopt;
    return found->second;
  });
}

std::vector<std::string> ParameterNames(std::string_view sql) {
  std::vector<std::string> names;
  Rewrite(sql, true, [&](size_t start, size_t& end) -> std::optional<std::string> {
    std::string name(sql.substr(start + 1, end - start - 1));
    const bool known = std::any_of(names.begin(), names.end(),
                                   [&](const std::string& seen) { return AsciiEqualIgnoreCase(seen, name); });
    if (!known) names.push_back(std::move(name));
    return std::nullopt;
  });
  return names;
}

std::string ReplaceNextValues(std::string_view sql, const std::function<int64_t(const std::string&)>& next) {
  static constexpr std::string_view kNextVal = ".NEXTVAL";
  return Rewrite(sql, false, [&](size_t start, size_t& end) -> std::optional<std::string> {
    const std::string_view after = sql.substr(end, kNextVal.size());
    if (!AsciiEqualIgnoreCase(after, kNextVal) || NameEnd(sql, end + kNextVal.size()) != end + kNextVal.size()) {
      return std::nullopt;
    }
    const std::string name(sql.substr(start, end - start));
    end += kNextVal.size();
    return std::to_string(next(name));
  });
}

std::optional<GuardedBlock> ParseGuardedBlock(std::string_view sql) {
  static const std::regex kBlock(
      R"(^\s*declare\s+cnt\s+number\s*:=\s*0\s*;\s*e_return\s+exception\s*;\s*begin\s+)"
      R"(select\s+count\s*\(\s*\*\s*\)\s+into\s+cnt\s+from\s+([^;]+);\s*)"
      R"(if\s+cnt\s*=\s*1\s+then\s+([^;]+);\s*commit\s*;\s*else\s+raise\s+e_return\s*;\s*end\s+if\s*;\s*end\s*;?\s*$)",
      std::regex::icase);
  // The library's regex recurses per character: only a text that may be the block is tried.
  const size_t start = sql.find_first_not_of(" \t\r\n");
  if (start == std::string_view::npos || sql.size() > 65536 || !AsciiEqualIgnoreCase(sql.substr(start, 7), "declare")) {
    return std::nullopt;
  }
  std::match_results<std::string_view::const_iterator> match;
  if (!std::regex_match(sql.begin(), sql.end(), match, kBlock)) return std::nullopt;
  return GuardedBlock{match[1].str(), match[2].str()};
}

}  // namespace ruzi::mwd
