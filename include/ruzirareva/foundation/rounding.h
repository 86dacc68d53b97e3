#pragma once
// Rounding of amounts with the small nudges the client has always applied, so that values
// such as 2.9999999 or 1.005 land where a person expects. Pure functions: any thread may call them.
#include <cstdint>

#include "ruzirareva/export.h"

namespace ruzi {

// X + 0.000001 truncated toward zero, or X - 0.000001 truncated when FLessThan(X, 0).
// Saturates at the 64-bit limits.
RUZI_API int64_t TruncEx(double x);

// `digits` in the power-of-ten convention (-2 rounds to hundredths, 1 to tens):
// round(X / 10^digits + d) x 10^digits with d = 0.000001 for digits >= 0, else
// 10^(digits - 6); round is to nearest with ties to even. The nudge is added whatever the
// sign of X.
RUZI_API double RoundToex(double x, int8_t digits);

// RoundToex(X, 0) as a 64-bit integer (saturating).
RUZI_API int64_t RoundEx(double x);

// RoundEx(X x P) / P with P = 10^n built by n multiplications (1 for n <= 0).
RUZI_API double RoundEx(double x, int n);

}  // namespace ruzi
