#include "foundation/rounding.h"

#include <cmath>
#include <limits>

#include "foundation/float_compare.h"

namespace ruzi {
namespace {

// 10^n by repeated multiplication; a negative n gives 1 / 10^-n.
double PowerOfTen(int n) {
  double power = 1;
  for (int i = 0; i < (n < 0 ? -n : n); ++i) power *= 10;
  return n < 0 ? 1 / power : power;
}

int64_t Saturate(double integral) {
  constexpr double kLimit = 9223372036854775808.0;  // 2^63
  if (std::isnan(integral)) return 0;
  if (integral >= kLimit) return std::numeric_limits<int64_t>::max();
  if (integral < -kLimit) return std::numeric_limits<int64_t>::min();
  return static_cast<int64_t>(integral);
}

}  // namespace

int64_t TruncEx(double x) {
  const double nudged = FLessThan(x, 0) ? x - 0.000001 : x + 0.000001;
  return Saturate(std::trunc(nudged));
}

double RoundToex(double x, int8_t digits) {
  const double factor = PowerOfTen(digits);
  const double nudge = digits >= 0 ? 0.000001 : PowerOfTen(digits - 6);
  // rint rounds ties to even in the default rounding mode.
  return std::rint(x / factor + nudge) * factor;
}

int64_t RoundEx(double x) { return Saturate(RoundToex(x, 0)); }

double RoundEx(double x, int n) {
  const double power = n > 0 ? PowerOfTen(n) : 1;
  return static_cast<double>(RoundEx(x * power)) / power;
}

}  // namespace ruzi
