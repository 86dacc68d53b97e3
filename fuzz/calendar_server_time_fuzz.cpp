// The server clock's reply as the calendar reads it, and the calendar's date arithmetic on
// whatever integers arrive: no crash, and every date that comes out is a valid one or -1.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "trading/calendar/add_months.h"
#include "trading/calendar/day_number.h"
#include "trading/calendar/server_clock.h"
#include "trading/calendar/time_zone_shift.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

bool ValidOrNone(int32_t date) { return date == -1 || ruzi::IsValidIntDate(date); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  ruzi::platform::LocalDateTime time;
  if (ruzi::ServerTimeOfReply(std::string(reinterpret_cast<const char*>(data), size), &time)) {
    Check(ruzi::IsValidIntDate(time.year * 10000 + time.month * 100 + time.day));
    Check(time.hour >= 0 && time.hour < 24 && time.minute >= 0 && time.minute < 60 && time.second >= 0 &&
          time.second < 60);
  }
  if (size < 12) return 0;
  int32_t values[3];
  std::memcpy(values, data, sizeof values);
  Check(ValidOrNone(ruzi::AddDate(values[0], values[1])));
  Check(ValidOrNone(ruzi::AddMonths(values[0], values[1])));
  const ruzi::DateAndTime moved = ruzi::ShiftMoment({values[0], values[2] % 240000}, values[1] % 1000000);
  Check(ValidOrNone(moved.date));
  if (auto day = ruzi::DayNumber(values[0])) Check(ruzi::DateOfDayNumber(*day) == values[0]);
  return 0;
}
