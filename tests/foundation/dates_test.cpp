// Integer dates and times, the date-time serial, and date patterns in texts; the calendar is
// checked day by day against a counting model.
#include <gtest/gtest.h>

#include <random>

#include "foundation/convert_error.h"
#include "foundation/date_time.h"
#include "foundation/int_date.h"
#include "foundation/replace_str_date.h"

namespace ruzi {
namespace {

TEST(DateTime, KnownSerials) {
  EXPECT_EQ(EncodeDate(1899, 12, 30), 0);
  EXPECT_EQ(EncodeDate(1900, 1, 1), 2);
  EXPECT_EQ(EncodeDate(2024, 2, 29), 45351);
  EXPECT_EQ(EncodeDate(1, 1, 1), -693593);
  EXPECT_EQ(EncodeDate(9999, 12, 31), 2958465);
  EXPECT_DOUBLE_EQ(EncodeTime(12, 0, 0, 0), 0.5);
  EXPECT_DOUBLE_EQ(EncodeTime(9, 30, 0, 0), 9.5 / 24);
  EXPECT_THROW(EncodeTime(24, 0, 0, 0), ConvertError);
  EXPECT_THROW(EncodeDate(2023, 2, 29), ConvertError);
  EXPECT_THROW(EncodeDate(0, 1, 1), ConvertError);
  EXPECT_THROW(EncodeDate(10000, 1, 1), ConvertError);
  EXPECT_FALSE(TryDecodeDate(2958466));
  EXPECT_FALSE(TryDecodeDate(-693594));
  // The whole days count toward zero: half a day before the epoch is still 1899-12-30.
  EXPECT_EQ(TryDecodeDate(-0.5)->day, 30);
}

// Walks every day from 0001-01-01 to 9999-12-31 with a simple day counter.
TEST(DateTime, EveryDayAgainstACountingModel) {
  double serial = -693593;
  for (int year = 1; year <= 9999; ++year) {
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    const int lengths[] = {31, leap ? 29 : 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (int month = 1; month <= 12; ++month) {
      ASSERT_FALSE(IsValidDate(year, month, lengths[month - 1] + 1));
      for (int day = 1; day <= lengths[month - 1]; ++day, ++serial) {
        ASSERT_EQ(EncodeDate(year, month, day), serial) << year << "-" << month << "-" << day;
        // A time of day moves away from zero (before 1899-12-30 the fraction is negative too).
        const auto parts = TryDecodeDate(serial < 0 ? serial - 0.75 : serial + 0.75);
        ASSERT_TRUE(parts);
        ASSERT_EQ(parts->year * 10000 + parts->month * 100 + parts->day, year * 10000 + month * 100 + day);
      }
    }
  }
}

TEST(IntDate, Conversions) {
  EXPECT_EQ(IntToDateTime(20240229), 45351);
  EXPECT_EQ(QXDateToDate(20240229), 45351);
  EXPECT_THROW(IntToDateTime(20240230), ConvertError);
  EXPECT_THROW(IntToDateTime(20231301), ConvertError);
  EXPECT_THROW(IntToDateTime(0), ConvertError);
  EXPECT_THROW(IntToDateTime(-20240101), ConvertError);
  try {
    IntToDateTime(20240230);
  } catch (const ConvertError& error) {
    EXPECT_STREQ(error.what(), "Invalid argument to date encode");
  }
  EXPECT_DOUBLE_EQ(IntToTime(93000), 9.5 / 24);
  EXPECT_DOUBLE_EQ(IntToTime(0), 0);
  EXPECT_DOUBLE_EQ(IntToTime(235959), (86400.0 - 1) / 86400);
  EXPECT_THROW(IntToTime(240000), ConvertError);
  EXPECT_THROW(IntToTime(96000), ConvertError);
  EXPECT_THROW(IntToTime(-1), ConvertError);
  EXPECT_EQ(DateTimeToInt(45351.99), 20240229);
  EXPECT_EQ(DateTimeToInt(-693593), 10101);
  EXPECT_THROW(DateTimeToInt(3e6), ConvertError);
}

TEST(IntDate, AddingDays) {
  EXPECT_EQ(IncIntDate(20240228, 1), 20240229);
  EXPECT_EQ(IncIntDate(20240229, 1), 20240301);
  EXPECT_EQ(IncIntDate(20231231, 1), 20240101);
  EXPECT_EQ(IncIntDate(20240101, -1), 20231231);
  EXPECT_EQ(DecIntDate(20240301, 1), 20240229);
  EXPECT_EQ(DecIntDate(20230301, 1), 20230228);
  EXPECT_EQ(IncIntDate(20240101, 366), 20250101);
  EXPECT_EQ(IncIntDate(20240101, 0), 20240101);
  EXPECT_THROW(IncIntDate(99991231, 1), ConvertError);
  EXPECT_THROW(IncIntDate(20240230, 1), ConvertError);
  std::mt19937 random(15);
  for (int i = 0; i < 20000; ++i) {
    const int date = IncIntDate(19000101, static_cast<int>(random() % 80000));
    const int days = static_cast<int>(random() % 2000) - 1000;
    ASSERT_EQ(DecIntDate(IncIntDate(date, days), days), date);
    ASSERT_EQ(IntToDateTime(IncIntDate(date, days)) - IntToDateTime(date), days);
  }
}

TEST(IntDate, TextChecksAndFormats) {
  EXPECT_TRUE(IsAIntDate("20240229"));
  EXPECT_FALSE(IsAIntDate("20230229"));
  EXPECT_FALSE(IsAIntDate("2024-02-29"));
  EXPECT_FALSE(IsAIntDate(""));
  EXPECT_FALSE(IsAIntDate("0"));
  EXPECT_EQ(GetFormatedDate("20241105"), "2024-11-05");
  EXPECT_EQ(GetFormatedDate("123"), "0000-01-23");
  EXPECT_EQ(GetFormatedDate("0"), "0000-00-00");
  EXPECT_EQ(GetFormatedDate("123456789"), "12345-67-89");
  EXPECT_EQ(GetFormatedDate("-20241105"), "-20241105");
  EXPECT_EQ(GetFormatedDate("abc"), "abc");
  EXPECT_EQ(GetFormatedDate(""), "");
  EXPECT_EQ(GetFormatedTime("93000"), "09:30:00");
  EXPECT_EQ(GetFormatedTime("0"), "00:00:00");
  EXPECT_EQ(GetFormatedTime("9:30"), "9:30");
}

TEST(ReplaceStrDate, Patterns) {
  const int32_t date = 20241105;
  EXPECT_EQ(ReplaceStrDate("file_yyyymmdd.txt", date), "file_20241105.txt");
  EXPECT_EQ(ReplaceStrDate("aMDD.dbf", date), "aB05.dbf");
  EXPECT_EQ(ReplaceStrDate("YYYY-MM-DD|yyyy.mm.dd|YYYY年MM月DD日", date), "2024-11-05|2024.11.05|2024年11月05日");
  EXPECT_EQ(ReplaceStrDate("yymmdd|yy-mm-dd|YY.MM.DD|yy年mm月dd日", date), "241105|24-11-05|24.11.05|24年11月05日");
  EXPECT_EQ(ReplaceStrDate("mmdd|mm-dd|MM.DD|MM月DD日", date), "1105|11-05|11.05|11月05日");
  EXPECT_EQ(ReplaceStrDate("mdd", 20240309), "309");
  EXPECT_EQ(ReplaceStrDate("MDD_MDD", 20241231), "C31_C31");
  EXPECT_EQ(ReplaceStrDate("log.txt", date), "log.txt");
  EXPECT_EQ(ReplaceStrDate("YYYYMMDD", 10101), "00010101");
  EXPECT_EQ(ReplaceStrDate("yyyymmdd", EncodeDate(2024, 11, 5) + 0.5), "20241105");
  // "\x81M" is one character: its "M" starts no pattern.
  EXPECT_EQ(ReplaceStrDate("\x81MDD", date), "\x81MDD");
  EXPECT_THROW(ReplaceStrDate("x", 20240230), ConvertError);
}

}  // namespace
}  // namespace ruzi
