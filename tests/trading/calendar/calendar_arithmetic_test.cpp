// Date arithmetic under the calendar: day numbers, calendar days and months, time-zone shifts
// and the server clock's reply, each against an independent reference (the foundation's
// date-time values) or the rule's hand-worked cases.
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

namespace ruzi {
namespace {

int32_t RandomDate(std::mt19937& random) {
  std::uniform_int_distribution<int32_t> year(1, 9999), month(1, 12), day(1, 31);
  for (;;) {
    int32_t y = year(random), m = month(random), d = day(random);
    if (IsValidDate(y, m, d)) return y * 10000 + m * 100 + d;
  }
}

TEST(CalendarArithmetic, DayNumbersAgreeWithTheDateTimeValueAndRejectInvalidDates) {
  std::mt19937 random(7);
  for (int i = 0; i < 20000; ++i) {
    const int32_t date = RandomDate(random);
    ASSERT_EQ(DayNumber(date), static_cast<int32_t>(IntToDateTime(date))) << date;
    ASSERT_EQ(DateOfDayNumber(*DayNumber(date)), date);
  }
  // Every yyyymmdd of two years, valid or not, against the foundation's rule.
  for (int32_t date = 20231200; date <= 20250232; ++date) {
    ASSERT_EQ(IsValidIntDate(date), IsValidDate(date / 10000, date / 100 % 100, date % 100)) << date;
  }
  for (int32_t bad : {0, -1, -20240101, 99991232, 100000101, 20241301, 20240230, 20230229, 101}) {
    EXPECT_FALSE(DayNumber(bad)) << bad;
  }
  EXPECT_EQ(DateOfDayNumber(*DayNumber(99991231) + 1), -1);
  EXPECT_EQ(DateOfDayNumber(*DayNumber(10101) - 1), -1);
}

TEST(CalendarArithmetic, AddDateWalksLikeTheFoundationAndStopsAtTheValidRange) {
  std::mt19937 random(11);
  std::uniform_int_distribution<int32_t> days(-40000, 40000);
  for (int i = 0; i < 5000; ++i) {
    const int32_t date = RandomDate(random) % 60000000 + 20000000;  // years 2000 to 7999
    if (!IsValidIntDate(date)) continue;
    const int32_t n = days(random);
    ASSERT_EQ(AddDate(date, n), IncIntDate(date, n)) << date << " + " << n;
  }
  EXPECT_EQ(AddDate(20240130, 3), 20240202);
  EXPECT_EQ(AddDate(99991231, 1), -1);
  EXPECT_EQ(AddDate(10101, -1), -1);
  EXPECT_EQ(AddDate(20240230, 1), -1);
  EXPECT_EQ(AddDate(20240101, INT32_MIN), -1);
}

TEST(CalendarArithmetic, AddMonthsKeepsMonthEndsAndCutsOtherDays) {
  EXPECT_EQ(AddMonths(20240131, 1), 20240229);
  EXPECT_EQ(AddMonths(20240130, 1), 20240229);
  EXPECT_EQ(AddMonths(20240229, 12), 20250228);
  EXPECT_EQ(AddMonths(20240430, 1), 20240531);  // a month end stays one
  EXPECT_EQ(AddMonths(20240330, 1), 20240430);
  EXPECT_EQ(AddMonths(20240228, 12), 20250228);  // not a month end in a leap year
  EXPECT_EQ(AddMonths(20250228, -12), 20240229);
  EXPECT_EQ(AddMonths(20240131, -2), 20231130);
  EXPECT_EQ(AddMonths(20241215, 1), 20250115);
  EXPECT_EQ(AddMonths(20240115, -1), 20231215);
  EXPECT_EQ(AddMonths(20241301, 1), -1);
  EXPECT_EQ(AddMonths(20240230, 0), -1);
  EXPECT_EQ(AddMonths(99991201, 1), -1);
  EXPECT_EQ(AddMonths(10115, -1), -1);
  EXPECT_EQ(AddMonths(20240101, INT32_MAX), -1);
  // Any date: a valid result, month ends kept, other days cut; a day below 28 comes back exactly.
  std::mt19937 random(5);
  std::uniform_int_distribution<int32_t> months(-300, 300);
  for (int i = 0; i < 5000; ++i) {
    const int32_t date = RandomDate(random) % 80000000 + 1000000;  // years 100 to 8099
    if (!IsValidIntDate(date)) continue;
    const int32_t k = months(random);
    const int32_t moved = AddMonths(date, k);
    ASSERT_TRUE(IsValidIntDate(moved)) << date << " + " << k;
    const int32_t day = date % 100;
    const bool month_end = day == DaysInMonth(date / 10000, date / 100 % 100);
    const int32_t last = DaysInMonth(moved / 10000, moved / 100 % 100);
    ASSERT_EQ(moved % 100, month_end ? last : std::min(day, last)) << date << " + " << k;
    if (day < 28) {  // below any month's length: never moved to a month end
      ASSERT_EQ(AddMonths(moved, -k), date);
    }
  }
}

TEST(CalendarArithmetic, ShiftsCutTowardZeroAndMoveMomentsAsTheDateTimeValueDoes) {
  EXPECT_EQ(ShiftMinutes(8, -5), -780);
  EXPECT_EQ(ShiftMinutes(8, 5.5), -150);
  EXPECT_EQ(ShiftMinutes(5.5, 8), 150);
  EXPECT_EQ(ShiftMinutes(8, 5.75), -135);
  EXPECT_EQ(ShiftMinutes(8, -3.5), -690);
  // 0.9375 minutes either way: cut toward zero, not down.
  EXPECT_EQ(ShiftMinutes(8, 7.984375), 0);
  EXPECT_EQ(ShiftMinutes(7.984375, 8), 0);
  EXPECT_EQ(ShiftMinutes(8, 9.015625), 60);
  EXPECT_EQ(ShiftMinutes(9.015625, 8), -60);
  EXPECT_EQ(ShiftMinutes(0, NAN), 0);
  EXPECT_EQ(ShiftMinutes(0, 1e300), 0);
  std::mt19937 random(3);
  std::uniform_int_distribution<int32_t> sixty_fourths(-14 * 64, 14 * 64), minutes(-5000, 5000),
      seconds(0, 86399);
  for (int i = 0; i < 5000; ++i) {
    const double a = sixty_fourths(random) / 64.0, b = sixty_fourths(random) / 64.0;
    ASSERT_EQ(ShiftMinutes(a, b), -ShiftMinutes(b, a)) << a << " " << b;
    const int32_t date = RandomDate(random) % 10000000 + 20000000;
    if (!IsValidIntDate(date)) continue;
    const DateAndTime from{date, TimeOfSeconds(seconds(random))};
    const int32_t n = minutes(random);
    const DateAndTime to = ShiftMoment(from, n);
    const platform::LocalDateTime expected = FromDateTimeValue(
        ToDateTimeValue({date / 10000, date / 100 % 100, date % 100, from.time / 10000, from.time / 100 % 100,
                         from.time % 100, 0}) +
        n / 1440.0);
    ASSERT_EQ(to.date, expected.year * 10000 + expected.month * 100 + expected.day) << from.date << " " << n;
    ASSERT_EQ(to.time, expected.hour * 10000 + expected.minute * 100 + expected.second);
  }
  EXPECT_EQ(ShiftMoment({20260101, 50000}, -780).date, 20251231);
  EXPECT_EQ(ShiftMoment({20260101, 50000}, -780).time, 160000);
  EXPECT_EQ(ShiftMoment({99991231, 235959}, 1).date, -1);
  EXPECT_EQ(ShiftMoment({20241301, 0}, 1).date, -1);
}

TEST(CalendarArithmetic, ServerTimeComesFromTheReplysDateAndTime) {
  platform::LocalDateTime time;
  ASSERT_TRUE(ServerTimeOfReply("<ErrCode>0</ErrCode><ErrMsg></ErrMsg><l_date>20260105</l_date><l_time>93005</l_time>",
                                &time));
  EXPECT_EQ(time.year * 10000 + time.month * 100 + time.day, 20260105);
  EXPECT_EQ(time.hour * 10000 + time.minute * 100 + time.second, 93005);
  for (const char* bad : {"<l_date>20260230</l_date><l_time>93000</l_time>",
                          "<l_date>20260105</l_date><l_time>96000</l_time>", "<l_date>20260105</l_date>",
                          "<l_date>x</l_date><l_time>1</l_time>", "(-1)failed"}) {
    EXPECT_FALSE(ServerTimeOfReply(bad, &time)) << bad;
  }
}

}  // namespace
}  // namespace ruzi
