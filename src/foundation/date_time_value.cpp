#include "foundation/date_time_value.h"

#include <cmath>
#include <cstdint>

namespace ruzi {
namespace {

constexpr int64_t kMillisecondsPerDay = 86400000;
// Days from 0000-03-01 (proleptic Gregorian) to 1899-12-30.
constexpr int64_t kEpochShift = 693899;

// Days since 0000-03-01 of a civil date (H. Hinnant's algorithm).
int64_t DaysFromCivil(int64_t year, int64_t month, int64_t day) {
  year -= month <= 2 ? 1 : 0;
  const int64_t era = (year >= 0 ? year : year - 399) / 400;
  const int64_t year_of_era = year - era * 400;
  const int64_t day_of_year = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const int64_t day_of_era = year_of_era * 365 + year_of_era / 4 - year_of_era / 100 + day_of_year;
  return era * 146097 + day_of_era;
}

void CivilFromDays(int64_t days, int& year, int& month, int& day) {
  const int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  const int64_t day_of_era = days - era * 146097;
  const int64_t year_of_era = (day_of_era - day_of_era / 1460 + day_of_era / 36524 - day_of_era / 146096) / 365;
  const int64_t day_of_year = day_of_era - (365 * year_of_era + year_of_era / 4 - year_of_era / 100);
  const int64_t shifted_month = (5 * day_of_year + 2) / 153;
  day = static_cast<int>(day_of_year - (153 * shifted_month + 2) / 5 + 1);
  month = static_cast<int>(shifted_month < 10 ? shifted_month + 3 : shifted_month - 9);
  year = static_cast<int>(year_of_era + era * 400 + (month <= 2 ? 1 : 0));
}

}  // namespace

double ToDateTimeValue(const platform::LocalDateTime& time) {
  const int64_t days = DaysFromCivil(time.year, time.month, time.day) - kEpochShift;
  const int64_t milliseconds =
      ((static_cast<int64_t>(time.hour) * 60 + time.minute) * 60 + time.second) * 1000 + time.millisecond;
  return static_cast<double>(days) + static_cast<double>(milliseconds) / kMillisecondsPerDay;
}

platform::LocalDateTime FromDateTimeValue(double value) {
  const int64_t total = std::llround(value * kMillisecondsPerDay);
  int64_t days = total / kMillisecondsPerDay;
  int64_t milliseconds = total % kMillisecondsPerDay;
  if (milliseconds < 0) {
    milliseconds += kMillisecondsPerDay;
    --days;
  }
  platform::LocalDateTime time;
  CivilFromDays(days + kEpochShift, time.year, time.month, time.day);
  time.millisecond = static_cast<int>(milliseconds % 1000);
  time.second = static_cast<int>(milliseconds / 1000 % 60);
  time.minute = static_cast<int>(milliseconds / 60000 % 60);
  time.hour = static_cast<int>(milliseconds / 3600000);
  return time;
}

}  // namespace ruzi
