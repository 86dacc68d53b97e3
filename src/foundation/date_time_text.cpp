#include "foundation/date_time_text.h"

#include <cmath>
#include <cstdio>

#include "foundation/convert_error.h"
#include "foundation/date_time.h"
#include "foundation/date_time_value.h"

namespace ruzi {
namespace {

platform::LocalDateTime ToSecond(double date_time) {
  if (!TryDecodeDate(date_time)) throw ConvertError("Invalid argument to date decode");
  // Whole seconds: the texts never show milliseconds, so 23:59:59.6 reads as the next day.
  const double rounded = std::round(date_time * 86400.0) / 86400.0;
  return FromDateTimeValue(rounded);
}

bool ReadDigits(std::string_view text, size_t at, size_t count, int* value) {
  if (at + count > text.size()) return false;
  int result = 0;
  for (size_t i = at; i < at + count; ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
    result = result * 10 + (text[i] - '0');
  }
  *value = result;
  return true;
}

std::optional<double> ReadDate(std::string_view text) {
  int year = 0, month = 0, day = 0;
  if (text.size() == 8 && ReadDigits(text, 0, 4, &year) && ReadDigits(text, 4, 2, &month) &&
      ReadDigits(text, 6, 2, &day)) {
    return TryEncodeDate(year, month, day);
  }
  if (text.size() == 10 && text[4] == '-' && text[7] == '-' && ReadDigits(text, 0, 4, &year) &&
      ReadDigits(text, 5, 2, &month) && ReadDigits(text, 8, 2, &day)) {
    return TryEncodeDate(year, month, day);
  }
  return std::nullopt;
}

std::optional<double> ReadTime(std::string_view text) {
  int hour = 0, minute = 0, second = 0;
  if (text.size() != 8 || text[2] != ':' || text[5] != ':' || !ReadDigits(text, 0, 2, &hour) ||
      !ReadDigits(text, 3, 2, &minute) || !ReadDigits(text, 6, 2, &second)) {
    return std::nullopt;
  }
  if (hour > 23 || minute > 59 || second > 59) return std::nullopt;
  return EncodeTime(hour, minute, second, 0);
}

}  // namespace

std::string DateTimeToText(double date_time) { return DateToText(date_time) + " " + TimeToText(date_time); }

std::string DateToText(double date_time) {
  const platform::LocalDateTime t = ToSecond(date_time);
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", t.year, t.month, t.day);
  return text;
}

std::string TimeToText(double date_time) {
  const platform::LocalDateTime t = ToSecond(date_time);
  char text[16];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d", t.hour, t.minute, t.second);
  return text;
}

std::optional<double> TryTextToDateTime(std::string_view text) {
  if (auto time = ReadTime(text)) return time;
  const size_t blank = text.find(' ');
  if (blank == std::string_view::npos) return ReadDate(text);
  const auto date = ReadDate(text.substr(0, blank));
  const auto time = ReadTime(text.substr(blank + 1));
  if (!date || !time) return std::nullopt;
  return *date + *time;
}

}  // namespace ruzi
