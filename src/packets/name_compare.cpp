#include "packets/name_compare.h"

#include "platform/ascii_case.h"
#include "foundation/gbk.h"

namespace ruzi {

bool SameNameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (IsGbkLeadByte(a[i])) {
      // The pair must match exactly: compare the lead byte and its trail byte as they are.
      if (a[i] != b[i]) return false;
      if (++i < a.size() && a[i] != b[i]) return false;
      continue;
    }
    if (AsciiUpper(a[i]) != AsciiUpper(b[i])) return false;
  }
  return true;
}

}  // namespace ruzi
