#include "foundation/replace_str_date.h"

#include "foundation/convert_error.h"
#include "foundation/date_time.h"
#include "foundation/format.h"
#include "foundation/int_date.h"
#include "foundation/replace_text.h"

namespace ruzi {
namespace {

constexpr const char* kPatterns[] = {"YYYYMMDD", "YYYY-MM-DD", "YYYY.MM.DD", "YYYY年MM月DD日",
                                     "YYMMDD",   "YY-MM-DD",   "YY.MM.DD",   "YY年MM月DD日",
                                     "MMDD",     "MM-DD",      "MM.DD",      "MM月DD日"};

// The pattern with its YYYY, YY, MM and DD fields filled in; everything else copied.
std::string Fill(std::string_view pattern, const DateParts& date) {
  std::string out;
  size_t i = 0;
  while (i < pattern.size()) {
    const std::string_view rest = pattern.substr(i);
    if (rest.starts_with("YYYY")) {
      out += Format("%.4d", {date.year});
      i += 4;
    } else if (rest.starts_with("YY")) {
      out += Format("%.2d", {date.year % 100});
      i += 2;
    } else if (rest.starts_with("MM")) {
      out += Format("%.2d", {date.month});
      i += 2;
    } else if (rest.starts_with("DD")) {
      out += Format("%.2d", {date.day});
      i += 2;
    } else {
      out += pattern[i++];
    }
  }
  return out;
}

}  // namespace

std::string ReplaceStrDate(std::string_view text, double date) {
  const auto parts = TryDecodeDate(date);
  if (!parts) throw ConvertError("Invalid argument to date decode");
  std::string out(text);
  for (const char* pattern : kPatterns) out = ReplaceTextIgnoreCase(out, pattern, Fill(pattern, *parts));
  if (ContainsTextIgnoreCase(out, "MDD")) {
    out = ReplaceTextIgnoreCase(out, "MDD", Format("%x%.2d", {parts->month, parts->day}));
  }
  return out;
}

std::string ReplaceStrDate(std::string_view text, int32_t date) { return ReplaceStrDate(text, IntToDateTime(date)); }

}  // namespace ruzi
