#include "foundation/number_text.h"

#include "foundation/comma_text.h"
#include "foundation/string_to_number.h"

namespace ruzi {

bool IsANumber(std::string_view text) { return TryStrToFloat(text).has_value(); }

bool IsAInteger(std::string_view text) { return TryStrToInt64(text).has_value(); }

int32_t StrToIntNE(std::string_view text) { return StrToIntDef(qxCommaTrim(text), 0); }

double StrToFloatNE(std::string_view text) { return StrToFloatDef(qxCommaTrim(text), 0); }

}  // namespace ruzi
