// The date-time value of log lines and its texts: known values, and a round trip over every
// day from 1900 to 2100 at varied times that checks each field against the calendar walk.
#include <gtest/gtest.h>

#include "foundation/date_time_value.h"
#include "foundation/local_time_text.h"

namespace ruzi {
namespace {

bool IsLeap(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysIn(int year, int month) {
  static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeap(year) ? 29 : days[month - 1];
}

TEST(DateTimeValue, KnownValuesAndTexts) {
  EXPECT_EQ(ToDateTimeValue({1899, 12, 30, 0, 0, 0, 0}), 0.0);
  EXPECT_EQ(ToDateTimeValue({1900, 1, 1, 0, 0, 0, 0}), 2.0);
  EXPECT_EQ(ToDateTimeValue({2000, 1, 1, 12, 0, 0, 0}), 36526.5);
  const platform::LocalDateTime time{2026, 12, 3, 21, 44, 28, 123};
  EXPECT_EQ(DateTimeMillisecondText(FromDateTimeValue(ToDateTimeValue(time))), "2026-12-03 21:44:28.123");
  EXPECT_EQ(DateText({987, 1, 2, 0, 0, 0, 0}), "0987-01-02");
  EXPECT_EQ(CompactTimeStamp({2026, 1, 9, 7, 5, 3, 999}), "20260109070503");
  // The last millisecond of a day does not round into the next day.
  EXPECT_EQ(DateTimeMillisecondText(FromDateTimeValue(ToDateTimeValue({2026, 12, 31, 23, 59, 59, 999}))),
            "2026-12-31 23:59:59.999");
}

TEST(DateTimeValue, EveryDayRoundTripsAgainstACalendarWalk) {
  double expected_day = 2;  // 1900-01-01
  int step = 0;
  for (int year = 1900; year <= 2100; ++year) {
    for (int month = 1; month <= 12; ++month) {
      for (int day = 1; day <= DaysIn(year, month); ++day, ++expected_day, ++step) {
        const platform::LocalDateTime time{year, month, day, step % 24, (step * 7) % 60, (step * 13) % 60,
                                           (step * 37) % 1000};
        const double value = ToDateTimeValue(time);
        ASSERT_EQ(static_cast<double>(static_cast<int64_t>(value)), expected_day) << year << "-" << month << "-" << day;
        const platform::LocalDateTime back = FromDateTimeValue(value);
        ASSERT_EQ(DateTimeMillisecondText(back), DateTimeMillisecondText(time));
      }
    }
  }
}

}  // namespace
}  // namespace ruzi
