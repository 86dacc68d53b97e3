#include "foundation/float_decimal.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace ruzi {
namespace {

constexpr int kMaxDigits = 18;

// The value's first 18 significant digits, correctly rounded, and its exponent.
DecimalFloat EighteenDigits(double magnitude) {
  char buffer[64];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, kMaxDigits - 1);
  const std::string_view text(buffer, static_cast<size_t>(result.ptr - buffer));
  DecimalFloat decimal;
  const size_t e = text.find('e');
  for (size_t i = 0; i < e; ++i) {
    if (text[i] != '.') decimal.digits += text[i];
  }
  const char* exponent_begin = text.data() + e + 1;
  if (*exponent_begin == '+') ++exponent_begin;
  std::from_chars(exponent_begin, text.data() + text.size(), decimal.exponent);
  ++decimal.exponent;
  return decimal;
}

void StripTrailingZeros(std::string& digits) {
  while (!digits.empty() && digits.back() == '0') digits.pop_back();
}

}  // namespace

DecimalFloat ToDecimal(double value, int precision, int decimals) {
  DecimalFloat decimal;
  if (std::isnan(value)) {
    decimal.special = true;
    decimal.digits = "NAN";
    return decimal;
  }
  if (std::isinf(value)) {
    decimal.special = true;
    decimal.negative = value < 0;
    decimal.digits = value < 0 ? "-INF" : "INF";
    return decimal;
  }
  if (value == 0) return decimal;
  decimal = EighteenDigits(std::fabs(value));
  decimal.negative = value < 0;
  precision = std::clamp(precision, 1, kMaxDigits);
  // Digits kept: limited by the significant digits and by the decimals after the point.
  const long long by_decimals = static_cast<long long>(decimal.exponent) + std::max(decimals, 0);
  const long long keep = std::min<long long>(precision, by_decimals);
  if (keep < 0) return DecimalFloat{};
  const bool round_up = decimal.digits[static_cast<size_t>(keep)] >= '5';
  decimal.digits.resize(static_cast<size_t>(keep));
  if (round_up) {
    // Carry from the last kept digit; all nines become "1" one place higher.
    size_t i = decimal.digits.size();
    while (i > 0 && decimal.digits[i - 1] == '9') decimal.digits[--i] = '0';
    if (i == 0) {
      decimal.digits.insert(decimal.digits.begin(), '1');
      decimal.digits.pop_back();
      if (decimal.digits.empty()) decimal.digits = "1";
      ++decimal.exponent;
    } else {
      ++decimal.digits[i - 1];
    }
  }
  StripTrailingZeros(decimal.digits);
  if (decimal.digits.empty()) return DecimalFloat{};
  return decimal;
}

}  // namespace ruzi
