#pragma once
// Tolerant comparisons of amounts and prices. The epsilon follows the first operand: 1e-5
// when it exceeds 10, else 1e-9 (negative values included). FLessThan(A, B) is
// FMoreThan(B, A), so there the epsilon follows B.

namespace ruzi {

double FloatEpsilon(double a);

bool FEqual(double a, double b);
bool FMoreThan(double a, double b);
bool FLessThan(double a, double b);
bool FMoreEqual(double a, double b);
bool FLessEqual(double a, double b);

}  // namespace ruzi
