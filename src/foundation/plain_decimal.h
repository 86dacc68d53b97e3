#pragma once
// The common plain decimal ("-123.45"): at most 15 digits in all, so the digits make an
// integer below 2^53 and the value is that integer over a power of ten no larger than 1e15,
// both exact doubles; one division then rounds correctly, as from_chars would. False for any
// other form, which the general path reads. The answer comes back in registers, not in an
// optional through memory: this is the read of every numeric cell of a query.
#include <cstdint>
#include <string_view>

namespace ruzi {

bool PlainDecimal(std::string_view text, double& value);
// The same for a plain integer: an optional '-' and 1 to 18 digits, as TryStrToInt64 reads it.
bool PlainInteger(std::string_view text, int64_t& value);

}  // namespace ruzi
