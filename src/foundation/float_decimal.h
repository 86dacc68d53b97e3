#pragma once
// A double as decimal digits, rounded the way every float text of the client is rounded: the
// value is first taken to 18 significant digits, then cut to the wanted digits rounding half
// away from zero on that decimal text (so 0.125 to two decimals is 0.13, while 1.005, stored
// as 1.00499999..., is 1.00).
#include <string>

namespace ruzi {

struct DecimalFloat {
  bool negative = false;
  bool special = false;  // infinity or NaN: digits holds "INF", "-INF" or "NAN"
  // value = 0.d1 d2 d3 ... x 10^exponent; digits has no trailing zeros and is empty for zero
  int exponent = 0;
  std::string digits;
};

// At most `precision` significant digits (1 to 18) and at most `decimals` digits after the
// decimal point. A value that rounds to zero has no digits and no sign.
DecimalFloat ToDecimal(double value, int precision, int decimals);

}  // namespace ruzi
