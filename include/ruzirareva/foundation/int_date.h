#pragma once
// The integer forms in which dates (yyyymmdd) and times (hhnnss) cross the service interface,
// converted by arithmetic on their digits. Pure functions: any thread may call them.
#include <cstdint>
#include <string>
#include <string_view>

#include "ruzirareva/export.h"

namespace ruzi {

// Year d div 10000, month d mod 10000 div 100, day d mod 100; an invalid date raises
// ConvertError.
RUZI_API double IntToDateTime(int32_t date);
RUZI_API double QXDateToDate(int32_t date);

// Hour t div 10000, minute t mod 10000 div 100, second t mod 100; invalid raises ConvertError.
RUZI_API double IntToTime(int32_t time);

// The date part as yyyymmdd; a value outside the valid dates raises ConvertError.
RUZI_API int32_t DateTimeToInt(double date_time);

// d plus / minus n calendar days.
RUZI_API int32_t IncIntDate(int32_t date, int32_t days);
RUZI_API int32_t DecIntDate(int32_t date, int32_t days);

// Whether the text is an integer that converts to a valid date.
RUZI_API bool IsAIntDate(std::string_view text);

// A non-negative integer text as "yyyy-mm-dd" / "hh:nn:ss" (zero-padded on the left, extra
// leading digits kept); anything else comes back unchanged.
RUZI_API std::string GetFormatedDate(std::string_view text);
RUZI_API std::string GetFormatedTime(std::string_view text);

}  // namespace ruzi
