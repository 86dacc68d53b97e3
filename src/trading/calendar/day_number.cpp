#include "trading/calendar/day_number.h"

namespace ruzi {
namespace {

// Days from 1970-01-01 of a proleptic Gregorian date (the era arithmetic of H. Hinnant).
int32_t DaysFromCivil(int32_t y, int32_t m, int32_t d) {
  y -= m <= 2;
  const int32_t era = (y >= 0 ? y : y - 399) / 400;
  const int32_t yoe = y - era * 400;
  const int32_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const int32_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

constexpr int32_t kUnixDayOfDateTimeZero = -25569;  // 1899-12-30
const int32_t kFirstDay = DaysFromCivil(1, 1, 1) - kUnixDayOfDateTimeZero;
const int32_t kLastDay = DaysFromCivil(9999, 12, 31) - kUnixDayOfDateTimeZero;

bool Leap(int32_t y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

}  // namespace

std::optional<int32_t> DayNumber(int32_t date) {
  const int32_t y = date / 10000;
  const int32_t m = date / 100 % 100;
  const int32_t d = date % 100;
  if (date <= 0 || y < 1 || y > 9999 || m < 1 || m > 12 || d < 1) return std::nullopt;
  static constexpr int32_t kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (d > kDays[m - 1] + (m == 2 && Leap(y) ? 1 : 0)) return std::nullopt;
  return DaysFromCivil(y, m, d) - kUnixDayOfDateTimeZero;
}

int32_t DateOfDayNumber(int32_t day_number) {
  if (day_number < kFirstDay || day_number > kLastDay) return -1;
  const int32_t z = day_number + kUnixDayOfDateTimeZero + 719468;
  const int32_t era = (z >= 0 ? z : z - 146096) / 146097;
  const int32_t doe = z - era * 146097;
  const int32_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int32_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const int32_t mp = (5 * doy + 2) / 153;
  const int32_t d = doy - (153 * mp + 2) / 5 + 1;
  const int32_t m = mp + (mp < 10 ? 3 : -9);
  const int32_t y = yoe + era * 400 + (m <= 2);
  return y * 10000 + m * 100 + d;
}

}  // namespace ruzi
