#pragma once
// Moving a moment between the business location's time zone and a market's. Zones are hours
// from UTC (fractions allowed); the shift is a whole number of minutes, cut toward zero.
#include <cstdint>

namespace ruzi {

// trunc((to_hours - from_hours) * 60).
int32_t ShiftMinutes(double from_hours, double to_hours);

struct DateAndTime {
  int32_t date = -1;  // yyyymmdd, -1 when there is none
  int32_t time = 0;   // hhnnss
};

// The moment `minutes` later (earlier when negative); date -1 for an invalid date or a
// result outside the valid dates. Seconds are kept.
DateAndTime ShiftMoment(DateAndTime moment, int32_t minutes);

inline int32_t SecondsOfTime(int32_t time) { return time / 10000 * 3600 + time / 100 % 100 * 60 + time % 100; }
inline int32_t TimeOfSeconds(int32_t seconds) {
  return seconds / 3600 * 10000 + seconds / 60 % 60 * 100 + seconds % 60;
}

}  // namespace ruzi
