// Date arithmetic under the calendar: day numbers, calendar days and months, time-zone shifts
// and the server clock's reply, each against an independent reference (the foundation's
// date-time values), and the rules' hand-worked cases in tests/data/calendar_arithmetic.txt.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "foundation/date_time.h"
#include "foundation/date_time_value.h"
#include "foundation/int_date.h"
#include "trading/calendar/add_months.h"
#include "trading/calendar/day_number.h"
#include "trading/calendar/server_clock.h"
#include "trading/calendar/time_zone_shift.h"
#include "vector_file.h"

namespace ruzi {
namespace {

int32_t RandomDate(std::mt19937& random) {
  std::uniform_int_distribution<int32_t> year(1, 9999), month(1, 12), day(1, 31);
  for (;;) {
    int32_t y = year(random), m = month(random), d = day(random);
    if (IsValidDate(y, m, d)) return y * 10000 + m * 100 + d;
  }
}

// Random dates of every year, and moved into the years each rule is asked about: day numbers,
// days and months added (month ends kept, other days cut; a day below 28 comes back exactly),
// minute shifts cut toward zero and moments moved, each against the foundation.
TEST(CalendarArithmetic, RandomDatesAgreeWithTheFoundation) {
  std::mt19937 random(7);
  std::uniform_int_distribution<int32_t> days(-40000, 40000), months(-300, 300), sixty_fourths(-14 * 64, 14 * 64),
      minutes(-5000, 5000), seconds(0, 86399);
  for (int i = 0; i < 20000; ++i) {
    const int32_t date = RandomDate(random);
    ASSERT_EQ(DayNumber(date), static_cast<int32_t>(IntToDateTime(date))) << date;
    ASSERT_EQ(DateOfDayNumber(*DayNumber(date)), date);
    const int32_t n = days(random), k = months(random);
    if (const int32_t from = date % 60000000 + 20000000; IsValidIntDate(from)) {  // years 2000 to 7999
      ASSERT_EQ(AddDate(from, n), IncIntDate(from, n)) << from << " + " << n;
    }
    if (const int32_t from = date % 80000000 + 1000000; IsValidIntDate(from)) {  // years 100 to 8099
      const int32_t moved = AddMonths(from, k);
      ASSERT_TRUE(IsValidIntDate(moved)) << from << " + " << k;
      const int32_t day = from % 100, last = DaysInMonth(moved / 10000, moved / 100 % 100);
      const bool month_end = day == DaysInMonth(from / 10000, from / 100 % 100);
      ASSERT_EQ(moved % 100, month_end ? last : std::min(day, last)) << from << " + " << k;
      ASSERT_TRUE(day >= 28 || AddMonths(moved, -k) == from) << from << " + " << k << " and back";
    }
    const double a = sixty_fourths(random) / 64.0, b = sixty_fourths(random) / 64.0;
    ASSERT_EQ(ShiftMinutes(a, b), -ShiftMinutes(b, a)) << a << " " << b;
    const int32_t shifted = date % 10000000 + 20000000;  // years 2000 to 2999
    if (!IsValidIntDate(shifted)) continue;
    const DateAndTime from{shifted, TimeOfSeconds(seconds(random))};
    const int32_t m = minutes(random);
    const DateAndTime to = ShiftMoment(from, m);
    const platform::LocalDateTime expected = FromDateTimeValue(
        ToDateTimeValue({shifted / 10000, shifted / 100 % 100, shifted % 100, from.time / 10000, from.time / 100 % 100,
                         from.time % 100, 0}) + m / 1440.0);
    ASSERT_EQ(to.date, expected.year * 10000 + expected.month * 100 + expected.day) << from.date << " " << m;
    ASSERT_EQ(to.time, expected.hour * 10000 + expected.minute * 100 + expected.second);
  }
  // Every yyyymmdd of two years, valid or not, against the foundation's rule.
  for (int32_t date = 20231200; date <= 20250232; ++date) {
    ASSERT_EQ(IsValidIntDate(date), IsValidDate(date / 10000, date / 100 % 100, date % 100)) << date;
  }
}

std::string DateOrNone(int32_t date) { return std::to_string(date); }
std::string MomentText(const DateAndTime& moment) {
  return moment.date == -1 ? "-1" : std::to_string(moment.date) + " " + std::to_string(moment.time);
}

TEST(CalendarArithmetic, KnownAnswers) {
  auto i = [](const std::string& text) { return static_cast<int32_t>(std::stol(text)); };
  testing::CheckAnswers("calendar_arithmetic.txt", {
      {"DayNumber", [&](auto& a) { const auto n = DayNumber(i(a[0])); return n ? std::to_string(*n) : "none"; }},
      {"DayAfter", [&](auto& a) { return DateOrNone(DateOfDayNumber(*DayNumber(i(a[0])) + i(a[1]))); }},
      {"AddDate", [&](auto& a) { return DateOrNone(AddDate(i(a[0]), i(a[1]))); }},
      {"AddMonths", [&](auto& a) { return DateOrNone(AddMonths(i(a[0]), i(a[1]))); }},
      {"ShiftMinutes", [](auto& a) { return std::to_string(ShiftMinutes(std::stod(a[0]), std::stod(a[1]))); }},
      {"ShiftMoment", [&](auto& a) { return MomentText(ShiftMoment({i(a[0]), i(a[1])}, i(a[2]))); }},
      {"ServerTime", [](auto& a) {
         platform::LocalDateTime t;
         if (!ServerTimeOfReply(a[0], &t)) return std::string("none");
         return MomentText({t.year * 10000 + t.month * 100 + t.day, t.hour * 10000 + t.minute * 100 + t.second});
       }},
  });
}

}  // namespace
}  // namespace ruzi
