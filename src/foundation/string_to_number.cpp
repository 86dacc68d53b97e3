#include "foundation/string_to_number.h"

#include <charconv>
#include <cmath>
#include <cstddef>
#include <limits>
#include <string>

#include "foundation/plain_decimal.h"

namespace ruzi {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexValue(char c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

size_t SkipBlanks(std::string_view text, size_t i) {
  while (i < text.size() && text[i] == ' ') ++i;
  return i;
}

// Parses into a magnitude no wider than `bits` bits; decimal magnitudes are limited to
// max_decimal (plus one for a negative sign), hex ones to the full unsigned range.
std::optional<int64_t> ParseInteger(std::string_view text, int bits) {
  size_t i = SkipBlanks(text, 0);
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  bool hex = false;
  if (i < text.size() && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
    hex = true;
    ++i;
  } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    hex = true;
    i += 2;
  }
  if (i == text.size()) return std::nullopt;
  const uint64_t max_decimal = (uint64_t{1} << (bits - 1)) - 1 + (negative ? 1 : 0);
  const uint64_t max_hex = bits == 64 ? ~uint64_t{0} : (uint64_t{1} << bits) - 1;
  uint64_t magnitude = 0;
  for (; i < text.size(); ++i) {
    const int digit = hex ? HexValue(text[i]) : (IsDigit(text[i]) ? text[i] - '0' : -1);
    if (digit < 0) return std::nullopt;
    const uint64_t base = hex ? 16 : 10;
    const uint64_t limit = hex ? max_hex : max_decimal;
    if (magnitude > (limit - static_cast<uint64_t>(digit)) / base) return std::nullopt;
    magnitude = magnitude * base + static_cast<uint64_t>(digit);
  }
  if (bits == 32) {
    // Two's complement of the low 32 bits: "$FFFFFFFF" wraps to -1, "-2147483648" stays whole.
    uint32_t low = static_cast<uint32_t>(magnitude);
    if (negative) low = 0u - low;
    return static_cast<int64_t>(static_cast<int32_t>(low));
  }
  if (negative) magnitude = 0 - magnitude;
  return static_cast<int64_t>(magnitude);
}

// The accepted float syntax, checked before conversion so that from_chars never sees a form
// (hex floats, "inf") the client never accepted.
bool IsFloatSyntax(std::string_view body) {
  size_t i = 0;
  if (i < body.size() && (body[i] == '+' || body[i] == '-')) ++i;
  size_t digits = 0;
  while (i < body.size() && IsDigit(body[i])) ++i, ++digits;
  if (i < body.size() && body[i] == '.') {
    ++i;
    while (i < body.size() && IsDigit(body[i])) ++i, ++digits;
  }
  if (digits == 0) return false;
  if (i < body.size() && (body[i] == 'e' || body[i] == 'E')) {
    ++i;
    if (i < body.size() && (body[i] == '+' || body[i] == '-')) ++i;
    size_t exponent_digits = 0;
    while (i < body.size() && IsDigit(body[i])) ++i, ++exponent_digits;
    if (exponent_digits == 0) return false;
  }
  return i == body.size();
}

// For a text out of double range: whether it is too large (rather than too small). Its
// decimal magnitude is the position of the first non-zero digit plus the exponent.
bool IsHuge(std::string_view body) {
  size_t i = (body.front() == '-' || body.front() == '+') ? 1 : 0;
  int64_t position = 0;  // digits before the point, less leading zeros after it
  bool seen_nonzero = false;
  bool after_point = false;
  for (; i < body.size() && body[i] != 'e' && body[i] != 'E'; ++i) {
    if (body[i] == '.') {
      after_point = true;
    } else if (!seen_nonzero && body[i] == '0') {
      if (after_point) --position;
    } else {
      if (!after_point) ++position;
      seen_nonzero = true;
    }
  }
  int64_t exponent = 0;
  bool negative_exponent = false;
  if (i < body.size()) {
    ++i;
    if (body[i] == '+' || body[i] == '-') negative_exponent = body[i++] == '-';
    for (; i < body.size() && exponent < 100000; ++i) exponent = exponent * 10 + (body[i] - '0');
  }
  return position + (negative_exponent ? -exponent : exponent) > 0;
}

[[noreturn]] void ThrowInvalid(std::string_view text, const char* what) {
  throw ConvertError("'" + std::string(text) + "' is not a valid " + what);
}

}  // namespace

std::optional<int32_t> TryStrToInt(std::string_view text) {
  auto value = ParseInteger(text, 32);
  if (!value) return std::nullopt;
  return static_cast<int32_t>(*value);
}

std::optional<int64_t> TryStrToInt64(std::string_view text) {
  if (int64_t plain = 0; PlainInteger(text, plain)) return plain;
  return ParseInteger(text, 64);
}

std::optional<double> TryStrToFloat(std::string_view text) {
  if (double plain = 0; PlainDecimal(text, plain)) return plain;
  size_t begin = SkipBlanks(text, 0);
  size_t end = text.size();
  while (end > begin && text[end - 1] == ' ') --end;
  std::string_view body = text.substr(begin, end - begin);
  if (!IsFloatSyntax(body)) return std::nullopt;
  // from_chars takes no leading '+'.
  const bool plus = body.front() == '+';
  if (plus) body.remove_prefix(1);
  double value = 0;
  const auto result = std::from_chars(body.data(), body.data() + body.size(), value);
  if (result.ec == std::errc::result_out_of_range) {
    // Underflow reads as zero; overflow does not convert.
    if (IsHuge(body)) return std::nullopt;
    return 0.0;
  }
  if (result.ec != std::errc() || result.ptr != body.data() + body.size()) return std::nullopt;
  if (std::isinf(value)) return std::nullopt;
  return value;
}

int32_t StrToInt(std::string_view text) {
  auto value = TryStrToInt(text);
  if (!value) ThrowInvalid(text, "integer value");
  return *value;
}

int64_t StrToInt64(std::string_view text) {
  auto value = TryStrToInt64(text);
  if (!value) ThrowInvalid(text, "integer value");
  return *value;
}

double StrToFloat(std::string_view text) {
  auto value = TryStrToFloat(text);
  if (!value) ThrowInvalid(text, "floating point value");
  return *value;
}

int32_t StrToIntDef(std::string_view text, int32_t fallback) { return TryStrToInt(text).value_or(fallback); }

int64_t StrToInt64Def(std::string_view text, int64_t fallback) { return TryStrToInt64(text).value_or(fallback); }

double StrToFloatDef(std::string_view text, double fallback) { return TryStrToFloat(text).value_or(fallback); }

}  // namespace ruzi
