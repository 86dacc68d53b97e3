#include "foundation/int_date.h"

#include "foundation/convert_error.h"
#include "foundation/date_time.h"
#include "foundation/format_float.h"
#include "foundation/string_to_number.h"

namespace ruzi {
namespace {

std::string FormatedNumber(std::string_view text, std::string_view picture) {
  const auto value = TryStrToInt64(text);
  if (!value || *value < 0) return std::string(text);
  return FormatFloat(picture, static_cast<double>(*value));
}

}  // namespace

double IntToDateTime(int32_t date) { return EncodeDate(date / 10000, date % 10000 / 100, date % 100); }

double QXDateToDate(int32_t date) { return IntToDateTime(date); }

double IntToTime(int32_t time) { return EncodeTime(time / 10000, time % 10000 / 100, time % 100, 0); }

int32_t DateTimeToInt(double date_time) {
  const auto parts = TryDecodeDate(date_time);
  if (!parts) throw ConvertError("Invalid argument to date decode");
  return parts->year * 10000 + parts->month * 100 + parts->day;
}

int32_t IncIntDate(int32_t date, int32_t days) { return DateTimeToInt(IntToDateTime(date) + days); }

int32_t DecIntDate(int32_t date, int32_t days) {
  return DateTimeToInt(IntToDateTime(date) - static_cast<double>(days));
}

bool IsAIntDate(std::string_view text) {
  const auto value = TryStrToInt(text);
  return value && IsValidDate(*value / 10000, *value % 10000 / 100, *value % 100);
}

std::string GetFormatedDate(std::string_view text) { return FormatedNumber(text, "0000-00-00"); }

std::string GetFormatedTime(std::string_view text) { return FormatedNumber(text, "00:00:00"); }

}  // namespace ruzi
