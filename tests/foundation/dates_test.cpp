// Integer dates and times, the date-time serial, log-line date-time values and date patterns:
// the known answers of tests/data/dates.txt, and every day of the calendar against a counting
// model.
#include <gtest/gtest.h>

#include "foundation/date_time.h"
#include "foundation/date_time_value.h"
#include "foundation/int_date.h"
#include "foundation/local_time_text.h"
#include "foundation/replace_str_date.h"
#include "vector_file.h"

namespace ruzi {
namespace {

using testing::Num;

int I(const std::string& text) { return std::stoi(text); }
platform::LocalDateTime Time(const std::vector<std::string>& a) {
  return {I(a[0]), I(a[1]), I(a[2]), I(a[3]), I(a[4]), I(a[5]), I(a[6])};
}

TEST(Dates, KnownAnswers) {
  testing::CheckAnswers("dates.txt", {
      {"EncodeDate", [](auto& a) { return Num(EncodeDate(I(a[0]), I(a[1]), I(a[2]))); }},
      {"EncodeTime", [](auto& a) { return Num(EncodeTime(I(a[0]), I(a[1]), I(a[2]), I(a[3]))); }},
      {"DecodeDate", [](auto& a) {
         const auto p = TryDecodeDate(std::stod(a[0]));
         return p ? std::to_string(p->year) + "-" + std::to_string(p->month) + "-" + std::to_string(p->day) : "none";
       }},
      {"IntToDateTime", [](auto& a) { return Num(IntToDateTime(I(a[0]))); }},
      {"QXDateToDate", [](auto& a) { return Num(QXDateToDate(I(a[0]))); }},
      {"IntToTime", [](auto& a) { return Num(IntToTime(I(a[0]))); }},
      {"DateTimeToInt", [](auto& a) { return std::to_string(DateTimeToInt(std::stod(a[0]))); }},
      {"IncIntDate", [](auto& a) { return std::to_string(IncIntDate(I(a[0]), I(a[1]))); }},
      {"DecIntDate", [](auto& a) { return std::to_string(DecIntDate(I(a[0]), I(a[1]))); }},
      {"IsAIntDate", [](auto& a) { return Num(IsAIntDate(a[0])); }},
      {"GetFormatedDate", [](auto& a) { return GetFormatedDate(a[0]); }},
      {"GetFormatedTime", [](auto& a) { return GetFormatedTime(a[0]); }},
      {"ReplaceStrDate", [](auto& a) {
         // A whole number is the integer form, anything else the serial.
         return a[1].find('.') == std::string::npos ? ReplaceStrDate(a[0], I(a[1]))
                                                    : ReplaceStrDate(a[0], std::stod(a[1]));
       }},
      {"DateTimeValue", [](auto& a) { return Num(ToDateTimeValue(Time(a))); }},
      {"MillisecondText", [](auto& a) { return DateTimeMillisecondText(FromDateTimeValue(ToDateTimeValue(Time(a)))); }},
      {"DateText", [](auto& a) { return DateText(Time(a)); }},
      {"CompactTimeStamp", [](auto& a) { return CompactTimeStamp(Time(a)); }},
  });
}

// Every day from 0001-01-01 to 9999-12-31 with a simple day counter, as a serial and as an
// integer date that many days on; from 1900 to 2100 the log lines' date-time value too, at
// varied times of day.
TEST(Dates, EveryDayAgainstACountingModel) {
  double serial = -693593;
  int step = 0;
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
        const int date = year * 10000 + month * 100 + day, days = static_cast<int>(serial) + 693593;
        ASSERT_EQ(parts->year * 10000 + parts->month * 100 + parts->day, date);
        ASSERT_EQ(IncIntDate(10101, days), date);  // days added to and taken from 0001-01-01
        ASSERT_EQ(DecIntDate(date, days), 10101);
        if (year < 1900 || year > 2100) continue;
        ++step;
        const platform::LocalDateTime time{year, month, day, step % 24, (step * 7) % 60, (step * 13) % 60,
                                           (step * 37) % 1000};
        const double value = ToDateTimeValue(time);
        ASSERT_EQ(static_cast<double>(static_cast<int64_t>(value)), serial) << year << "-" << month << "-" << day;
        ASSERT_EQ(DateTimeMillisecondText(FromDateTimeValue(value)), DateTimeMillisecondText(time));
      }
    }
  }
}

}  // namespace
}  // namespace ruzi
