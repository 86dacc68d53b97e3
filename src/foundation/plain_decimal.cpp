#include "foundation/plain_decimal.h"

#include <cstdint>

namespace ruzi {

bool PlainDecimal(std::string_view text, double& value) {
  static constexpr double kPowers[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                       1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
  const char* p = text.data();
  const char* const end = p + text.size();
  const bool negative = p < end && *p == '-';
  p += negative ? 1 : 0;
  const auto size = end - p;
  if (size == 0 || size > 16) return false;  // more than 15 digits and a point
  // One pass, the point skipped: a branch a character, not a loop each side of the point.
  uint64_t mantissa = 0;
  const char* point = nullptr;
  for (; p < end; ++p) {
    const unsigned digit = static_cast<unsigned char>(*p) - unsigned{'0'};
    if (digit < 10) {
      mantissa = mantissa * 10 + digit;
    } else if (*p == '.' && point == nullptr) {
      point = p;
    } else {
      return false;
    }
  }
  const auto digits = size - (point != nullptr ? 1 : 0);
  if (digits == 0 || digits > 15) return false;
  const double magnitude = static_cast<double>(mantissa) / kPowers[point != nullptr ? end - point - 1 : 0];
  value = negative ? -magnitude : magnitude;
  return true;
}

bool PlainInteger(std::string_view text, int64_t& value) {
  const char* p = text.data();
  const char* const end = p + text.size();
  const bool negative = p < end && *p == '-';
  p += negative ? 1 : 0;
  if (end - p < 1 || end - p > 18) return false;  // 18 digits cannot overflow
  int64_t magnitude = 0;
  for (; p < end; ++p) {
    const unsigned digit = static_cast<unsigned char>(*p) - unsigned{'0'};
    if (digit >= 10) return false;
    magnitude = magnitude * 10 + digit;
  }
  value = negative ? -magnitude : magnitude;
  return true;
}

}  // namespace ruzi
