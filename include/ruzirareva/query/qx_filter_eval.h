#pragma once
// The one evaluator of parsed filters, for dataset records and tree rows alike: it asks the row
// for the text of each field it needs, and for nothing else.
//   Comparisons use the operands' type, a field's type first: numbers as numbers, booleans as
//   booleans, dates and times as date-times, all else as texts (letter case folded under
//   foCaseInsensitive). Without foNoPartialCompare, = and <> against a text ending in "*"
//   compare the prefix before it. LIKE matches the right side as a mask (qxDbMaskMatch). IN is
//   true when any value of the list compares equal. AND reads its right side only when the left
//   is true, OR only when it is false. An operand that is no condition is false.
//   Arithmetic works on integers (a division that is not exact gives a float; division by zero
//   gives 0, as does MOD 0), on floats when either side is a float (by zero: 0), on date-times
//   when either side is one (a date-time plus or minus days; the difference of two in days).
//   "+" of two texts joins them.
// A null field reads as the empty text. A text that is no number where a number is needed
// raises ConvertError. Evaluating the same expression from many threads at once is safe.
#include <optional>
#include <string_view>

#include "ruzirareva/export.h"
#include "ruzirareva/query/qx_expr_parser.h"

namespace ruzi {

class RUZI_API TQxRowReader {
 public:
  virtual ~TQxRowReader() = default;
  // The text of field `index` of the row; nothing for null.
  virtual std::optional<std::string_view> FieldText(int index) const = 0;
};

// Whether the row satisfies the parsed filter. No expression (nullptr or a blank text) raises
// Error "数据过滤失败，无比较表达式!".
RUZI_API bool EvaluateFilter(const TQxExprParser& expression, const TQxRowReader& row);

}  // namespace ruzi
