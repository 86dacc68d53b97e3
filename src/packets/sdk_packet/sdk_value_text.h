#pragma once
// Conversions between a value's text and the SDK's numeric types. A value put or read as
// another type than its field's goes through its text, so packer and reader agree.
#include <cstdint>
#include <string>
#include <string_view>

namespace ruzi::sdk {

std::string IntText(int32_t value);
// Shortest text that reads back as the same double ("nan", "inf" included).
std::string DoubleText(double value);
// Blanks around the number are ignored. A whole-number text gives its value; a decimal text
// is cut toward zero and held to the 32-bit range; anything else gives 0.
int32_t TextToInt(std::string_view text);
// Anything that is not a number gives 0.
double TextToDouble(std::string_view text);
// The first byte, or NUL for an empty text.
inline char TextToChar(std::string_view text) { return text.empty() ? '\0' : text.front(); }
inline std::string CharText(char value) { return value == '\0' ? std::string() : std::string(1, value); }

}  // namespace ruzi::sdk
