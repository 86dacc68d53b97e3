#pragma once
// Number texts as the client's forms hand them over. Pure functions: any thread may call them.
#include <cstdint>
#include <string_view>

#include "ruzirareva/export.h"

namespace ruzi {

// Whether the text converts to a float / to a 64-bit integer (StrToFloat / StrToInt64 rules).
RUZI_API bool IsANumber(std::string_view text);
RUZI_API bool IsAInteger(std::string_view text);

// The text with every "," removed, converted; 0 when it does not convert.
RUZI_API int32_t StrToIntNE(std::string_view text);
RUZI_API double StrToFloatNE(std::string_view text);

}  // namespace ruzi
