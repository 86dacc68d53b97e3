#pragma once
// Number pictures such as "#,##0.00", "0.000", "0.00E+00", "#,##0.00;(#,##0.00);-":
// "0" is a digit always shown, "#" a digit shown when significant, the first "." the decimal
// point, "," anywhere before it groups the integer digits by three, "E+"/"E-" (or "e+"/"e-")
// followed by zeros writes a scientific exponent, text in quotes and every other character is
// copied. Up to three sections separated by ";" serve positive, negative and zero values; the
// negative section carries its own sign. Values are rounded half away from zero to 15
// significant digits and to the picture's decimals. An empty picture gives FloatToStr. Pure
// functions: any thread may call them.
#include <string>
#include <string_view>

#include "ruzirareva/export.h"

namespace ruzi {

RUZI_API std::string FormatFloat(std::string_view picture, double value);

}  // namespace ruzi
