#include "security/yw_scramble.h"

#include <algorithm>

#include "foundation/hex_text.h"
#include "foundation/string_to_number.h"
#include "foundation/trim.h"

namespace ruzi {

std::string YWDecode(std::string_view text) {
  std::string rotated(text);
  std::rotate(rotated.rbegin(), rotated.rbegin() + (rotated.empty() ? 0 : 1), rotated.rend());
  return StrToHex(rotated);
}

std::string YWEncode(std::string_view text) {
  if (text.empty() || text.size() % 2 != 0) return "";
  std::string bytes(text.size() / 2, '\0');
  for (size_t i = 0; i < bytes.size(); ++i) {
    bytes[i] = static_cast<char>(StrToInt("$" + std::string(text.substr(2 * i, 2))));
  }
  std::rotate(bytes.begin(), bytes.begin() + 1, bytes.end());
  return Trim(bytes);
}

}  // namespace ruzi
