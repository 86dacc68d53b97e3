#pragma once
// Integer dates (yyyymmdd) as consecutive day numbers and back, by arithmetic: the calendar
// asks this on every question, so it must not go through text or floating point.
#include <cstdint>
#include <optional>

namespace ruzi {

// Days since 1899-12-30 (the date-time value's day 0); nothing for a date that is not a valid
// yyyymmdd from 0001-01-01 to 9999-12-31.
std::optional<int32_t> DayNumber(int32_t date);
// The yyyymmdd of a day number; -1 outside 0001-01-01 to 9999-12-31.
int32_t DateOfDayNumber(int32_t day_number);

inline bool IsValidIntDate(int32_t date) { return DayNumber(date).has_value(); }

}  // namespace ruzi
