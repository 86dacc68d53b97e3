#pragma once
// Bytes as hex text and back. Pure functions: any thread may call them.
#include <string>
#include <string_view>

#include "ruzirareva/export.h"

namespace ruzi {

// Each byte as two upper-case hex digits.
RUZI_API std::string StrToHex(std::string_view bytes);

// Pairs of hex digits (either case) back to bytes, stopping at the first pair that is not
// two hex digits.
RUZI_API std::string HexToStr(std::string_view hex);

}  // namespace ruzi
