#include <cstdint>
#include <string>

#include "platform/ini_file.h"

namespace ruzi::platform {

int ReadIniInteger(std::string_view file, std::string_view section, std::string_view key, int default_value) {
  std::string text = ReadIniString(file, section, key, "");
  std::string_view digits = text;
  bool negative = false;
  if (!digits.empty() && (digits[0] == '-' || digits[0] == '+')) {
    negative = digits[0] == '-';
    digits.remove_prefix(1);
  }
  int base = 10;
  if (!digits.empty() && digits[0] == '$') {
    base = 16;
    digits.remove_prefix(1);
  } else if (digits.size() > 1 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
    base = 16;
    digits.remove_prefix(2);
  }
  if (digits.empty()) return default_value;
  int64_t value = 0;
  for (char c : digits) {
    int digit = (c >= '0' && c <= '9') ? c - '0'
                : (base == 16 && c >= 'a' && c <= 'f') ? c - 'a' + 10
                : (base == 16 && c >= 'A' && c <= 'F') ? c - 'A' + 10
                                                        : -1;
    if (digit < 0) return default_value;
    value = value * base + digit;
    if (value > 0xFFFFFFFFLL) return default_value;
  }
  if (base == 10 && value > (negative ? 2147483648LL : 2147483647LL)) return default_value;
  return static_cast<int>(static_cast<uint32_t>(negative ? -value : value));
}

}  // namespace ruzi::platform
