#pragma once
// Thousands-separated number texts of the client's forms and reports. Pure functions: any thread
// may call them.
#include <cstdint>
#include <string>
#include <string_view>

#include "ruzirareva/export.h"

namespace ruzi {

// The text read as a number (any "," in it ignored) and written as "#,##0"; a text that is
// no number raises ConvertError.
RUZI_API std::string qxStrAsComma(std::string_view text);

// "#,##0" of a 64-bit integer, every digit exact.
RUZI_API std::string qxIntAsComma(int64_t value);

// The text with every "," removed.
RUZI_API std::string qxCommaTrim(std::string_view text);

// "#,##0.000" when three_decimals, else "#,##0.00".
RUZI_API std::string qxFloatAsComma(double value, bool three_decimals);

}  // namespace ruzi
