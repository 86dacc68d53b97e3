#pragma once
// Doubles as text in the client's styles (decimal separator ".", thousands separator ","):
// - General: shortest of fixed and scientific with `precision` significant digits, trailing
//   zeros removed; scientific when the integer digits exceed the precision or the value is
//   below 0.0001; `digits` is the minimum exponent width ("1E-5", "1.5E20").
// - Exponent: "-d.ddddE+ddd" with `precision` digits in all and at least `digits` exponent
//   digits.
// - Fixed: `digits` decimals ("-1234.50"). Number: the same with thousands separators.
// - Currency: Number with the currency sign in front ("￥1,234.50", "￥-1,234.50").
// Values too large for fixed notation (more than 18 integer digits) are written as Exponent. Pure
// functions: any thread may call them.
#include <string>
#include <string_view>

#include "ruzirareva/export.h"

namespace ruzi {

enum class FloatStyle { General, Exponent, Fixed, Number, Currency };

RUZI_API std::string FloatToText(double value, FloatStyle style, int precision, int digits);

// General with 15 significant digits: "1234.5", "0.1", "1E20".
RUZI_API std::string FloatToStr(double value);

// Integer digits with "," every three from the right: "1234567" -> "1,234,567".
RUZI_API std::string GroupThousands(std::string_view digits);

}  // namespace ruzi
