#include "trading/calendar/add_months.h"

#include "foundation/date_time.h"
#include "trading/calendar/day_number.h"

namespace ruzi {

int32_t AddDate(int32_t date, int32_t days) {
  std::optional<int32_t> day = DayNumber(date);
  if (!day) return -1;
  const int64_t moved = int64_t{*day} + days;
  if (moved < INT32_MIN || moved > INT32_MAX) return -1;
  return DateOfDayNumber(static_cast<int32_t>(moved));
}

int32_t AddMonths(int32_t date, int32_t months) {
  if (!IsValidIntDate(date)) return -1;
  const int32_t year = date / 10000;
  const int32_t month = date / 100 % 100;
  const int32_t day = date % 100;
  const int64_t index = int64_t{year} * 12 + (month - 1) + months;
  const int64_t new_year = index / 12;
  if (index < 0 || new_year < 1 || new_year > 9999) return -1;
  const int new_month = static_cast<int>(index % 12) + 1;
  const int last = DaysInMonth(static_cast<int>(new_year), new_month);
  const bool month_end = day == DaysInMonth(year, month);
  const int new_day = month_end || day > last ? last : day;
  return static_cast<int32_t>(new_year * 10000 + new_month * 100 + new_day);
}

}  // namespace ruzi
