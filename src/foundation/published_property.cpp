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

namespace {

std::string_view Blankless(std::string_view text) {
  while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ') text.remove_prefix(1);
  while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ') text.remove_suffix(1);
  return text;
}

}  // namespace

std::string SetPropertyText(uint32_t bits, const char* const* names, size_t count) {
  std::string text = "[";
  for (size_t index = 0; index < count && index < 32; ++index) {
    if ((bits & (uint32_t{1} << index)) == 0) continue;
    if (text.size() > 1) text += ',';
    text += names[index];
  }
  return text + "]";
}

std::optional<uint32_t> SetPropertyValue(std::string_view text, const char* const* names, size_t count) {
  text = Blankless(text);
  if (text.size() < 2 || text.front() != '[' || text.back() != ']') return std::nullopt;
  text = Blankless(text.substr(1, text.size() - 2));
  uint32_t bits = 0;
  while (!text.empty()) {
    const size_t comma = text.find(',');
    auto index = EnumPropertyValue(Blankless(text.substr(0, comma)), names, count);
    if (!index || *index >= 32) return std::nullopt;
    bits |= uint32_t{1} << *index;
    if (comma == std::string_view::npos) break;
    text = text.substr(comma + 1);
    if (Blankless(text).empty()) return std::nullopt;  // "[a,]"
  }
  return bits;
}

}  // namespace ruzi
