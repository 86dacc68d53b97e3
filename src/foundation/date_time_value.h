#pragma once
// Local date and time as the client's date-time value: a double counting days since
// 1899-12-30, the fraction being the time of day. Milliseconds survive the round trip.
#include "platform/clock.h"

namespace ruzi {

double ToDateTimeValue(const platform::LocalDateTime& time);
// Rounded to the nearest millisecond.
platform::LocalDateTime FromDateTimeValue(double value);

}  // namespace ruzi
