#include "foundation/float_compare.h"

#include <cmath>

namespace ruzi {

double FloatEpsilon(double a) { return a > 10 ? 1e-5 : 1e-9; }

bool FEqual(double a, double b) { return std::fabs(a - b) < FloatEpsilon(a); }

bool FMoreThan(double a, double b) { return a - b > FloatEpsilon(a); }

bool FLessThan(double a, double b) { return FMoreThan(b, a); }

bool FMoreEqual(double a, double b) { return FMoreThan(a, b) || FEqual(a, b); }

bool FLessEqual(double a, double b) { return FLessThan(a, b) || FEqual(a, b); }

}  // namespace ruzi
