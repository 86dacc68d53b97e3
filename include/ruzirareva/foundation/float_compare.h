#pragma once
// Tolerant comparisons of amounts and prices. The epsilon follows the first operand: 1e-5
// when it exceeds 10, else 1e-9 (negative values included). FLessThan(A, B) is
// FMoreThan(B, A), so there the epsilon follows B. Pure functions: any thread may call them.
#include "ruzirareva/export.h"


namespace ruzi {

RUZI_API double FloatEpsilon(double a);

RUZI_API bool FEqual(double a, double b);
RUZI_API bool FMoreThan(double a, double b);
RUZI_API bool FLessThan(double a, double b);
RUZI_API bool FMoreEqual(double a, double b);
RUZI_API bool FLessEqual(double a, double b);

}  // namespace ruzi
