#include "query/qx_compare.h"

#include "foundation/convert_error.h"
#include "foundation/gbk.h"
#include "foundation/string_to_number.h"
#include "platform/ascii_case.h"

namespace ruzi {
namespace {

std::string_view Trimmed(const char* text, int len) {
  std::string_view view(text, len > 0 ? static_cast<size_t>(len) : 0);
  while (!view.empty() && view.front() == ' ') view.remove_prefix(1);
  while (!view.empty() && view.back() == ' ') view.remove_suffix(1);
  return view;
}

// Length in bytes of the character starting at `at`.
size_t CharLength(std::string_view text, size_t at) {
  return IsGbkLeadByte(text[at]) && at + 1 < text.size() ? 2 : 1;
}

bool SameChar(std::string_view mask, size_t m, size_t m_len, std::string_view text, size_t t, size_t t_len,
              bool case_sensitive) {
  if (m_len != t_len) return false;
  if (m_len == 1 && !case_sensitive) return AsciiUpper(mask[m]) == AsciiUpper(text[t]);
  return mask.compare(m, m_len, text, t, t_len) == 0;
}

bool IsAnyRun(char c) { return c == '%' || c == '*'; }
bool IsOneChar(char c) { return c == '_' || c == '?'; }

}  // namespace

void TQxCompare::ResetResult() { SetAscending(true); }

void TQxCompare::SetAscending(bool ascending) {
  GreatResult = ascending ? 1 : -1;
  LessResult = -GreatResult;
}

int32_t TQxCompare::qxDbStrComp(const char* a, const char* b, int len_a, int len_b, bool ignore_case) const {
  const std::string_view left(a, len_a > 0 ? static_cast<size_t>(len_a) : 0);
  const std::string_view right(b, len_b > 0 ? static_cast<size_t>(len_b) : 0);
  const size_t common = std::min(left.size(), right.size());
  bool trail = false;  // the byte after a lead byte is never folded
  for (size_t i = 0; i < common; ++i) {
    auto x = static_cast<unsigned char>(left[i]);
    auto y = static_cast<unsigned char>(right[i]);
    if (ignore_case && !trail) {
      x = static_cast<unsigned char>(AsciiUpper(static_cast<char>(x)));
      y = static_cast<unsigned char>(AsciiUpper(static_cast<char>(y)));
    }
    if (x != y) return Order(x, y);
    trail = !trail && IsGbkLeadByte(left[i]);
  }
  return Order(left.size(), right.size());
}

int32_t TQxCompare::qxDbIntegerComp(const char* a, const char* b, int len_a, int len_b) const {
  return Order(TranStrToInt(a, len_a), TranStrToInt(b, len_b));
}

int32_t TQxCompare::qxDbFloatComp(const char* a, const char* b, int len_a, int len_b) const {
  return Order(TranStrToFloat(a, len_a), TranStrToFloat(b, len_b));
}

int32_t TQxCompare::qxDbBooleanComp(const char* a, const char* b, int len_a, int len_b) const {
  return Order(TranBooleanToInt(a, len_a), TranBooleanToInt(b, len_b));
}

bool TQxCompare::qxDbMaskMatch(std::string_view mask, std::string_view text, bool case_sensitive) const {
  // Greedy matching that remembers the last run wildcard: on a mismatch the run takes one more
  // character. Linear in practice, at worst mask length times text length.
  size_t m = 0, t = 0;
  size_t star_m = std::string_view::npos, star_t = 0;
  while (t < text.size()) {
    if (m < mask.size() && IsAnyRun(mask[m])) {
      star_m = ++m;
      star_t = t;
      continue;
    }
    const size_t t_len = CharLength(text, t);
    if (m < mask.size()) {
      const size_t m_len = CharLength(mask, m);
      if ((m_len == 1 && IsOneChar(mask[m])) || SameChar(mask, m, m_len, text, t, t_len, case_sensitive)) {
        m += m_len;
        t += t_len;
        continue;
      }
    }
    if (star_m == std::string_view::npos) return false;
    m = star_m;
    star_t += CharLength(text, star_t);
    t = star_t;
  }
  while (m < mask.size() && IsAnyRun(mask[m])) ++m;
  return m == mask.size();
}

double TQxCompare::TranStrToFloat(const char* text, int len) const {
  const std::string_view view = Trimmed(text, len);
  if (view.empty()) return 0;
  if (const auto number = TryStrToFloat(view)) return *number;
  throw ConvertError("'" + std::string(view) + "' is not a valid floating point value");
}

int64_t TQxCompare::TranStrToInt(const char* text, int len) const {
  const std::string_view view = Trimmed(text, len);
  if (view.empty()) return 0;
  if (const auto number = TryStrToInt64(view)) return *number;
  throw ConvertError("'" + std::string(view) + "' is not a valid integer value");
}

int32_t TQxCompare::TranBooleanToInt(const char* text, int len) const {
  const std::string_view view = Trimmed(text, len);
  if (view.empty() || view == "0" || AsciiEqualIgnoreCase(view, "false")) return 0;
  if (view == "1" || AsciiEqualIgnoreCase(view, "true")) return 1;
  if (const auto number = TryStrToFloat(view)) return *number != 0 ? 1 : 0;
  throw ConvertError("'" + std::string(view) + "' is not a valid boolean value");
}

std::string TQxCompare::TranIntToBoolean(int32_t value) const { return value != 0 ? "1" : "0"; }

}  // namespace ruzi
