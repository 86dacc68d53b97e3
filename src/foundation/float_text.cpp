#include "foundation/float_text.h"

#include <algorithm>

#include "foundation/float_decimal.h"

namespace ruzi {
namespace {

constexpr int kMaxFixedIntegerDigits = 18;
constexpr int kMaxDecimals = 18;
constexpr const char* kCurrencySign = "￥";

std::string ExponentText(int exponent, bool always_sign, int min_digits) {
  std::string text = "E";
  if (exponent < 0) {
    text += '-';
  } else if (always_sign) {
    text += '+';
  }
  std::string number = std::to_string(exponent < 0 ? -exponent : exponent);
  if (static_cast<int>(number.size()) < min_digits) number.insert(0, min_digits - number.size(), '0');
  return text + number;
}

// Mantissa "d.ddd" of the decimal digits, padded with zeros to `width` digits when given.
std::string Mantissa(const DecimalFloat& decimal, size_t width) {
  std::string digits = decimal.digits.empty() ? "0" : decimal.digits;
  if (digits.size() < width) digits.append(width - digits.size(), '0');
  std::string text(1, digits[0]);
  if (digits.size() > 1) text += "." + digits.substr(1);
  return text;
}

std::string Signed(const DecimalFloat& decimal, std::string text) {
  return decimal.negative ? "-" + text : text;
}

std::string Scientific(double value, int precision, int digits, bool general) {
  const DecimalFloat decimal = ToDecimal(value, precision, 9999);
  if (decimal.special) return decimal.digits;
  const int exponent = decimal.digits.empty() ? 0 : decimal.exponent - 1;
  const size_t width = general ? 0 : static_cast<size_t>(precision);
  return Signed(decimal, Mantissa(decimal, width) + ExponentText(exponent, !general, digits));
}

// Integer and fraction digits of a decimal, the fraction padded to `decimals`.
void SplitFixed(const DecimalFloat& decimal, int decimals, std::string& integer, std::string& fraction) {
  const int exponent = decimal.digits.empty() ? 0 : decimal.exponent;
  std::string digits = decimal.digits;
  if (exponent > 0) {
    if (static_cast<int>(digits.size()) < exponent) digits.append(exponent - digits.size(), '0');
    integer = digits.substr(0, static_cast<size_t>(exponent));
    fraction = digits.substr(static_cast<size_t>(exponent));
  } else {
    integer = "0";
    fraction = std::string(static_cast<size_t>(-exponent), '0') + digits;
  }
  if (static_cast<int>(fraction.size()) < decimals) fraction.append(decimals - fraction.size(), '0');
}

std::string General(double value, int precision, int digits) {
  const DecimalFloat decimal = ToDecimal(value, precision, 9999);
  if (decimal.special) return decimal.digits;
  if (decimal.digits.empty()) return "0";
  if (decimal.exponent > precision || decimal.exponent < -3) return Scientific(value, precision, digits, true);
  std::string integer, fraction;
  SplitFixed(decimal, 0, integer, fraction);
  return Signed(decimal, fraction.empty() ? integer : integer + "." + fraction);
}

std::string Fixed(double value, int decimals, bool grouped) {
  decimals = std::clamp(decimals, 0, kMaxDecimals);
  const DecimalFloat decimal = ToDecimal(value, 18, decimals);
  if (decimal.special) return decimal.digits;
  if (decimal.exponent > kMaxFixedIntegerDigits) return Scientific(value, 15, 3, false);
  std::string integer, fraction;
  SplitFixed(decimal, decimals, integer, fraction);
  if (grouped) integer = GroupThousands(integer);
  return Signed(decimal, decimals > 0 ? integer + "." + fraction : integer);
}

}  // namespace

std::string GroupThousands(std::string_view digits) {
  std::string text;
  text.reserve(digits.size() + digits.size() / 3);
  for (size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) text += ',';
    text += digits[i];
  }
  return text;
}

std::string FloatToText(double value, FloatStyle style, int precision, int digits) {
  switch (style) {
    case FloatStyle::General:
      return General(value, std::clamp(precision, 1, 18), std::clamp(digits, 0, 4));
    case FloatStyle::Exponent:
      return Scientific(value, std::clamp(precision, 1, 18), std::clamp(digits, 0, 4), false);
    case FloatStyle::Fixed:
      return Fixed(value, digits, false);
    case FloatStyle::Number:
      return Fixed(value, digits, true);
    case FloatStyle::Currency:
      return kCurrencySign + Fixed(value, digits, true);
  }
  return {};
}

std::string FloatToStr(double value) { return FloatToText(value, FloatStyle::General, 15, 0); }

}  // namespace ruzi
