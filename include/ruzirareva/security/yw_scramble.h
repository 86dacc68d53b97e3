#pragma once
// A reversible scrambling of short texts into upper-case hex (not a cipher). Pure functions: any
// thread may call them.
#include <string>
#include <string_view>

#include "ruzirareva/export.h"

namespace ruzi {

// The text rotated right by one byte (the last byte first), as two upper-case hex digits per
// byte; "" for "".
RUZI_API std::string YWDecode(std::string_view text);
// Back: pairs of hex digits to bytes, rotated left by one, blanks and control characters
// trimmed at both ends. "" for an empty or odd-length text; a pair that is not a hex byte
// throws ConvertError.
RUZI_API std::string YWEncode(std::string_view text);

}  // namespace ruzi
