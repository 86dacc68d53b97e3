#pragma once
// Number texts as the client's forms hand them over.
#include <cstdint>
#include <string_view>

namespace ruzi {

// Whether the text converts to a float / to a 64-bit integer (StrToFloat / StrToInt64 rules).
bool IsANumber(std::string_view text);
bool IsAInteger(std::string_view text);

// The text with every "," removed, converted; 0 when it does not convert.
int32_t StrToIntNE(std::string_view text);
double StrToFloatNE(std::string_view text);

}  // namespace ruzi
