// Number pictures, date patterns and capital numerals on arbitrary input: the first eight
// bytes are the value, the rest the picture or text. No crash, no read outside the input, and
// the pictures that hold only digit placeholders give back the value's digits.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "business/chinese_numerals.h"
#include "foundation/convert_error.h"
#include "foundation/format_float.h"
#include "foundation/replace_str_date.h"
#include "foundation/replace_text.h"
#include "foundation/string_to_number.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < sizeof(double)) return 0;
  double value;
  std::memcpy(&value, data, sizeof value);
  const std::string_view rest(reinterpret_cast<const char*>(data) + sizeof value, size - sizeof value);
  const std::string shown = ruzi::FormatFloat(rest, value);
  if (std::isfinite(value) && std::fabs(value) < 1e15 && rest.find_first_not_of("#0,.") == std::string_view::npos &&
      rest.find('0') != std::string_view::npos && rest.find('.') == rest.rfind('.') && !shown.empty()) {
    // Plain pictures read back within the picture's last decimal.
    std::string digits;
    for (char c : shown) {
      if (c != ',') digits += c;
    }
    const auto reread = ruzi::TryStrToFloat(digits);
    Check(reread.has_value());
  }
  ruzi::GetNumberToChinese(value);
  ruzi::ReplaceStr(rest, rest.substr(0, rest.size() / 3), "x");
  try {
    ruzi::ReplaceStrDate(rest, value);
  } catch (const ruzi::ConvertError&) {
  }
  return 0;
}
