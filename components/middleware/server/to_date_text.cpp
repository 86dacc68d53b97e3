#include "to_date_text.h"

#include <cstdio>

#include "platform/ascii_case.h"

namespace ruzi::mwd {
namespace {

struct Part {
  const char* name;
  int digits;
  int slot;  // 0 year, 1 month, 2 day, 3 hour, 4 minute, 5 second
};
// Longer names first, so "HH24" is not read as "HH".
constexpr Part kParts[] = {{"YYYY", 4, 0}, {"HH24", 2, 3}, {"MM", 2, 1}, {"DD", 2, 2},
                           {"HH", 2, 3},   {"MI", 2, 4},   {"SS", 2, 5}};

bool IsLeap(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysIn(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeap(year) ? 29 : kDays[month - 1];
}

}  // namespace

std::optional<std::string> ToDateText(std::string_view text, std::string_view picture) {
  int value[6] = {0, 1, 1, 0, 0, 0};
  size_t at = 0;
  for (size_t p = 0; p < picture.size();) {
    const Part* part = nullptr;
    for (const Part& candidate : kParts) {
      const std::string_view name(candidate.name);
      if (AsciiEqualIgnoreCase(picture.substr(p, name.size()), name)) {
        part = &candidate;
        break;
      }
    }
    if (part == nullptr) {
      if (at >= text.size() || text[at] != picture[p]) return std::nullopt;
      ++at;
      ++p;
      continue;
    }
    int number = 0;
    for (int d = 0; d < part->digits; ++d, ++at) {
      if (at >= text.size() || text[at] < '0' || text[at] > '9') return std::nullopt;
      number = number * 10 + (text[at] - '0');
    }
    value[part->slot] = number;
    p += std::string_view(part->name).size();
  }
  if (at != text.size()) return std::nullopt;
  if (value[0] < 1 || value[1] < 1 || value[1] > 12 || value[2] < 1 || value[2] > DaysIn(value[0], value[1]) ||
      value[3] > 23 || value[4] > 59 || value[5] > 59) {
    return std::nullopt;
  }
  char out[64];  // room for any int, so the optimiser sees no truncation
  std::snprintf(out, sizeof out, "%04d-%02d-%02d %02d:%02d:%02d", value[0], value[1], value[2], value[3], value[4],
                value[5]);
  return std::string(out);
}

}  // namespace ruzi::mwd
