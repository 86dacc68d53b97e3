#include "packets/field.h"

#include <cmath>
#include <optional>

#include "platform/ascii_case.h"
#include "foundation/string_to_number.h"

namespace ruzi {
namespace {

// Nearest integer, halves to even, kept to the low 32 bits as the client's integers are;
// nothing for values no 64-bit integer holds.
std::optional<int32_t> RoundHalfEven(double value) {
  if (!(value > -9.2e18 && value < 9.2e18)) return std::nullopt;
  double whole = std::floor(value);
  const double fraction = value - whole;
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0)) whole += 1.0;
  return static_cast<int32_t>(static_cast<uint32_t>(static_cast<int64_t>(whole)));
}

}  // namespace

int32_t TField::AsIntegerDef(int32_t fallback) const {
  if (const std::optional<double> number = TryStrToFloat(text_)) {
    if (const std::optional<int32_t> rounded = RoundHalfEven(*number)) return *rounded;
  }
  return TryStrToInt(text_).value_or(fallback);
}

double TField::AsFloatDef(double fallback) const { return TryStrToFloat(text_).value_or(fallback); }

bool TField::AsBoolDef(bool fallback) const {
  if (const std::optional<double> number = TryStrToFloat(text_)) return *number != 0;
  if (AsciiEqualIgnoreCase(text_, "True")) return true;
  if (AsciiEqualIgnoreCase(text_, "False")) return false;
  return fallback;
}

}  // namespace ruzi
