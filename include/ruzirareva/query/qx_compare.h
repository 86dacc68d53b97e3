#pragma once
// How the tree and the filter compare cell texts: as bytes, integers, floats or booleans, with
// two result values the caller sets to choose the order (ResetResult: ascending, "greater"
// answers 1 and "less" -1; a descending sort swaps them). Texts are GBK; lengths are bytes.
// A TQxCompare holds only its two results: one per thread, or shared read-only.
#include <cstdint>
#include <string>
#include <string_view>

#include "ruzirareva/export.h"

namespace ruzi {

class RUZI_API TQxCompare {
 public:
  int32_t GreatResult = 1;
  int32_t LessResult = -1;

  // Back to ascending order.
  void ResetResult();
  // Ascending (ResetResult) or descending (the two results swapped).
  void SetAscending(bool ascending);

  // Bytes compared unsigned, then the shorter text first; ASCII letters folded when asked
  // (double-byte characters are compared as they are). 0, GreatResult or LessResult.
  int32_t qxDbStrComp(const char* a, const char* b, int len_a, int len_b, bool ignore_case = false) const;
  // The texts read as numbers (TranStrToInt / TranStrToFloat / TranBooleanToInt) and compared
  // exactly; a text that is no number raises ConvertError.
  int32_t qxDbIntegerComp(const char* a, const char* b, int len_a, int len_b) const;
  int32_t qxDbFloatComp(const char* a, const char* b, int len_a, int len_b) const;
  int32_t qxDbBooleanComp(const char* a, const char* b, int len_a, int len_b) const;
  // The LIKE test: "%" or "*" matches any run of characters, "_" or "?" exactly one (a
  // double-byte character is one); every other character matches itself, ASCII letters in
  // either case unless case_sensitive.
  bool qxDbMaskMatch(std::string_view mask, std::string_view text, bool case_sensitive) const;

  // Text to number: blanks around are allowed; an empty text reads 0; anything else that is
  // no number raises ConvertError.
  double TranStrToFloat(const char* text, int len) const;
  int64_t TranStrToInt(const char* text, int len) const;
  // "1"/"true" read 1, "0"/"false"/"" 0 (letter case ignored), another number 1 when it is not
  // 0; anything else raises ConvertError.
  int32_t TranBooleanToInt(const char* text, int len) const;
  // "1" for a value other than 0, else "0".
  std::string TranIntToBoolean(int32_t value) const;

 private:
  template <typename Number>
  int32_t Order(Number a, Number b) const {
    return a < b ? LessResult : (b < a ? GreatResult : 0);
  }
};

}  // namespace ruzi
