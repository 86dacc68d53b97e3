#include "trading/calendar/time_zone_shift.h"

#include <cmath>

#include "trading/calendar/day_number.h"

namespace ruzi {

int32_t ShiftMinutes(double from_hours, double to_hours) {
  const double minutes = std::trunc((to_hours - from_hours) * 60);
  // Zones come from the cache: a nonsense value must not overflow the conversion.
  if (!(minutes > -1e6 && minutes < 1e6)) return 0;
  return static_cast<int32_t>(minutes);
}

DateAndTime ShiftMoment(DateAndTime moment, int32_t minutes) {
  std::optional<int32_t> day = DayNumber(moment.date);
  if (!day) return {};
  const int64_t seconds = int64_t{*day} * 86400 + SecondsOfTime(moment.time) + int64_t{minutes} * 60;
  const int64_t shifted_day = seconds >= 0 ? seconds / 86400 : (seconds - 86399) / 86400;
  const int32_t date = DateOfDayNumber(static_cast<int32_t>(shifted_day));
  if (date < 0) return {};
  return {date, TimeOfSeconds(static_cast<int32_t>(seconds - shifted_day * 86400))};
}

}  // namespace ruzi
