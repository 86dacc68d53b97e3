#include "foundation/published_property.h"

#include "foundation/float_text.h"
#include "foundation/string_to_number.h"
#include "platform/ascii_case.h"

namespace ruzi {

std::string IntegerPropertyText(int64_t value) { return std::to_string(value); }

std::optional<int64_t> IntegerPropertyValue(std::string_view text) { return TryStrToInt64(text); }

std::string FloatPropertyText(double value) { return FloatToStr(value); }

std::optional<double> FloatPropertyValue(std::string_view text) { return TryStrToFloat(text); }

std::optional<size_t> EnumPropertyValue(std::string_view text, const char* const* names, size_t count) {
  for (size_t index = 0; index < count; ++index) {
    if (AsciiEqualIgnoreCase(text, names[index])) return index;
  }
  return std::nullopt;
}

}  // namespace ruzi
