#include "foundation/comma_text.h"

#include "foundation/float_text.h"
#include "foundation/format_float.h"
#include "foundation/string_to_number.h"

namespace ruzi {

std::string qxStrAsComma(std::string_view text) { return FormatFloat("#,##0", StrToFloat(qxCommaTrim(text))); }

std::string qxIntAsComma(int64_t value) {
  const uint64_t magnitude = value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
  const std::string grouped = GroupThousands(std::to_string(magnitude));
  return value < 0 ? "-" + grouped : grouped;
}

std::string qxCommaTrim(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    if (c != ',') out += c;
  }
  return out;
}

std::string qxFloatAsComma(double value, bool three_decimals) {
  return FormatFloat(three_decimals ? "#,##0.000" : "#,##0.00", value);
}

}  // namespace ruzi
