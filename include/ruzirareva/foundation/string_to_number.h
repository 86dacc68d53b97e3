#pragma once
// Text to number the way the client's callers expect:
// - integers: leading blanks, an optional sign, decimal digits or a hex form ("$1F", "0x1F",
//   "x1F"); nothing may follow. Hex texts may use the full unsigned range of the type and wrap
//   ("$FFFFFFFF" is -1 as a 32-bit integer); decimal texts must fit the type.
// - floats: blanks around, an optional sign, digits with an optional "." fraction and an
//   optional exponent ("1.5E-3"); the decimal separator is always "."; no thousands separators.
// The throwing forms raise ConvertError with the text in the message; the Try forms return
// nothing instead. Pure functions: any thread may call them.
#include <cstdint>
#include <optional>
#include <string_view>

#include "ruzirareva/export.h"
#include "ruzirareva/foundation/convert_error.h"

namespace ruzi {

RUZI_API std::optional<int32_t> TryStrToInt(std::string_view text);
RUZI_API std::optional<int64_t> TryStrToInt64(std::string_view text);
RUZI_API std::optional<double> TryStrToFloat(std::string_view text);

RUZI_API int32_t StrToInt(std::string_view text);
RUZI_API int64_t StrToInt64(std::string_view text);
RUZI_API double StrToFloat(std::string_view text);

RUZI_API int32_t StrToIntDef(std::string_view text, int32_t fallback);
RUZI_API int64_t StrToInt64Def(std::string_view text, int64_t fallback);
RUZI_API double StrToFloatDef(std::string_view text, double fallback);

}  // namespace ruzi
