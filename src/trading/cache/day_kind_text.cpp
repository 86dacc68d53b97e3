#include "trading/cache/day_kind_text.h"

#include <algorithm>

namespace ruzi {
namespace {

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

std::vector<std::string_view> Items(std::string_view text) {
  std::vector<std::string_view> items;
  size_t start = 0;
  for (;;) {
    size_t comma = text.find(',', start);
    items.push_back(TrimBlanks(text.substr(start, comma == std::string_view::npos ? comma : comma - start)));
    if (comma == std::string_view::npos) return items;
    start = comma + 1;
  }
}

}  // namespace

uint32_t KindBit(int32_t kind) { return kind >= 0 && kind < 32 ? uint32_t{1} << kind : 0; }

uint32_t KindMaskOfText(std::string_view kinds) {
  uint32_t mask = 0;
  for (std::string_view item : Items(kinds)) {
    if (item.empty() || item.size() > 2) return 0;
    int32_t kind = 0;
    for (char c : item) {
      if (c < '0' || c > '9') return 0;
      kind = kind * 10 + (c - '0');
    }
    if (KindBit(kind) == 0) return 0;
    mask |= KindBit(kind);
  }
  return mask;
}

std::string CalendarCode(std::string_view code) {
  return code.empty() ? std::string(kDefaultCalendar) : std::string(code);
}

std::vector<std::string> CalendarList(std::string_view codes) {
  std::vector<std::string> list;
  for (std::string_view item : Items(codes)) list.push_back(CalendarCode(item));
  std::sort(list.begin(), list.end());
  list.erase(std::unique(list.begin(), list.end()), list.end());
  return list;
}

}  // namespace ruzi
