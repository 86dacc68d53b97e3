#pragma once
// The date-time type of the client: a double counting days since 1899-12-30, the time of day
// as the fraction. Valid dates run from 0001-01-01 to 9999-12-31. Pure functions: any thread may
// call them.
#include <optional>

#include "ruzirareva/export.h"

namespace ruzi {

struct DateParts {
  int year = 0;
  int month = 0;
  int day = 0;
};

RUZI_API bool IsLeapYear(int year);
RUZI_API int DaysInMonth(int year, int month);  // 0 for a month outside 1 to 12
RUZI_API bool IsValidDate(int year, int month, int day);

// Raise ConvertError ("Invalid argument to date encode" / "... time encode") when invalid.
RUZI_API double EncodeDate(int year, int month, int day);
RUZI_API double EncodeTime(int hour, int minute, int second, int millisecond);
RUZI_API std::optional<double> TryEncodeDate(int year, int month, int day);

// The calendar date of the value's whole days (toward zero); nothing outside the valid range.
RUZI_API std::optional<DateParts> TryDecodeDate(double date_time);

}  // namespace ruzi
