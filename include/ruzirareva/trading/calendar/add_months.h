#pragma once
// Calendar-day and month arithmetic on integer dates (yyyymmdd). An invalid date, or a result
// outside 0001-01-01 to 9999-12-31, gives -1. Pure functions: any thread may call them.
#include <cstdint>

#include "ruzirareva/export.h"

namespace ruzi {

RUZI_API int32_t AddDate(int32_t date, int32_t days);
// The last day of a month stays the last day of its month; another day keeps its
// day-of-month, cut to the month's length.
RUZI_API int32_t AddMonths(int32_t date, int32_t months);

}  // namespace ruzi
