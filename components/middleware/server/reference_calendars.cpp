#include "reference_calendars.h"

#include <map>

#include "foundation/int_date.h"

namespace ruzi::mwd {
namespace {

// Day numbers are the date-time values of the dates (days since 1899-12-30).
int64_t DayNumber(int year, int month, int day) {
  return static_cast<int64_t>(IntToDateTime(year * 10000 + month * 100 + day));
}

int32_t DateOf(int64_t number) { return DateTimeToInt(static_cast<double>(number)); }

// 0 Sunday .. 6 Saturday (1899-12-30 was a Saturday).
int WeekDay(int64_t number) { return static_cast<int>(((number % 7) + 7 + 6) % 7); }
bool Weekend(int64_t number) { return WeekDay(number) == 0 || WeekDay(number) == 6; }

// The first day of the lunar year.
const std::map<int, int32_t>& LunarNewYear() {
  static const std::map<int, int32_t> dates = {{2020, 20200125}, {2021, 20210212}, {2022, 20220201}, {2023, 20230122},
                                               {2024, 20240210}, {2025, 20250129}, {2026, 20260217}, {2027, 20270206},
                                               {2028, 20280126}, {2029, 20290213}, {2030, 20300203}, {2031, 20310123},
                                               {2032, 20320211}, {2033, 20330131}, {2034, 20340219}, {2035, 20350208}};
  return dates;
}

int64_t NumberOf(int32_t date) { return DayNumber(date / 10000, date / 100 % 100, date % 100); }

int64_t NewYearNumber(int year) {
  auto found = LunarNewYear().find(year);
  return found != LunarNewYear().end() ? NumberOf(found->second) : INT64_MIN / 2;
}

// Mainland exchanges: weekends, 1 January, the Spring Festival week, 1-7 October.
bool MainlandHoliday(int64_t number) {
  const int32_t date = DateOf(number);
  const int year = date / 10000;
  const int month_day = date % 10000;
  if (month_day == 101 || (month_day >= 1001 && month_day <= 1007)) return true;
  const int64_t spring = NewYearNumber(year);
  return number >= spring - 1 && number <= spring + 5;
}

bool MainlandTradeDay(int64_t number) { return !Weekend(number) && !MainlandHoliday(number); }

// The weekend days the mainland's banks work: the Sunday before the Spring Festival week and
// the Saturday after National Day.
bool MainlandBankOnlyDay(int64_t number) {
  const int32_t date = DateOf(number);
  const int year = date / 10000;
  const int64_t eve = NewYearNumber(year) - 1;
  int64_t sunday = eve - 1;
  while (WeekDay(sunday) != 0) --sunday;
  int64_t saturday = DayNumber(year, 10, 8);
  while (WeekDay(saturday) != 6) ++saturday;
  return number == sunday || number == saturday;
}

bool MainlandBankDay(int64_t number) { return MainlandTradeDay(number) || MainlandBankOnlyDay(number); }

bool HongKongOpen(int64_t number) {
  if (Weekend(number)) return false;
  const int32_t date = DateOf(number);
  const int month_day = date % 10000;
  if (month_day == 101 || month_day == 1001 || month_day == 1225 || month_day == 1226) return false;
  const int64_t spring = NewYearNumber(date / 10000);
  return number < spring || number > spring + 2;
}

bool UsOpen(int64_t number) {
  if (Weekend(number)) return false;
  const int32_t date = DateOf(number);
  const int month_day = date % 10000;
  if (month_day == 101 || month_day == 704 || month_day == 1225) return false;
  // Thanksgiving: the fourth Thursday of November.
  if (date / 100 % 100 == 11 && WeekDay(number) == 4) {
    const int day = date % 100;
    return !(day >= 22 && day <= 28);
  }
  return true;
}

bool IndiaOpen(int64_t number) {
  if (Weekend(number)) return false;
  const int month_day = DateOf(number) % 10000;
  return month_day != 126 && month_day != 815 && month_day != 1002;
}

int32_t Kinds(const std::string& code, int64_t number) {
  if (code == "00") {
    int32_t kinds = MainlandTradeDay(number) ? kKindTrade | kKindSettle : 0;
    return kinds | (MainlandBankDay(number) ? kKindBank : 0);
  }
  if (code == "HK") {
    if (!HongKongOpen(number)) return 0;
    int32_t kinds = kKindSettle | kKindBank;
    if (MainlandTradeDay(number)) kinds |= kKindTrade;
    if (MainlandBankDay(number)) kinds |= kKindCrossBorder;
    return kinds;
  }
  if (code == "US") return UsOpen(number) ? kKindTrade | kKindSettle | kKindBank : 0;
  if (code == "IN") return IndiaOpen(number) ? kKindTrade | kKindSettle | kKindBank : 0;
  return -1;
}

}  // namespace

std::vector<SeedDay> CalendarDays(const std::string& code, int first_year, int last_year) {
  std::vector<SeedDay> days;
  if (Kinds(code, DayNumber(first_year, 1, 1)) < 0) return days;
  for (int64_t number = DayNumber(first_year, 1, 1); number <= DayNumber(last_year, 12, 31); ++number) {
    days.push_back({DateOf(number), Kinds(code, number)});
  }
  return days;
}

}  // namespace ruzi::mwd
