// Filter texts on arbitrary bytes: parsing either succeeds or raises the filter's own error
// with a position inside the text, evaluation raises nothing but conversion errors, and
// NOT (text) answers the opposite of the text for every row.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/convert_error.h"
#include "foundation/error.h"
#include "query/data_set_types.h"
#include "query/qx_expr_parser.h"
#include "query/qx_filter_eval.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

const std::vector<ruzi::TQxFieldInfo> kFields = {{"A", ruzi::ftInteger}, {"B", ruzi::ftInteger},
                                                 {"F", ruzi::ftFloat},   {"S", ruzi::ftString},
                                                 {"D", ruzi::ftDateTime}, {"L", ruzi::ftBoolean}};

class FixedRow : public ruzi::TQxRowReader {
 public:
  explicit FixedRow(std::vector<const char*> texts) : texts_(std::move(texts)) {}
  std::optional<std::string_view> FieldText(int index) const override {
    Check(index >= 0 && static_cast<size_t>(index) < texts_.size());
    const char* text = texts_[static_cast<size_t>(index)];
    if (text == nullptr) return std::nullopt;
    return std::string_view(text);
  }

 private:
  std::vector<const char*> texts_;
};

const FixedRow kRows[] = {
    FixedRow({"1", "3", "2.5", "中文", "2024-02-01 00:00:00", "1"}),
    FixedRow({nullptr, "0", nullptr, "", nullptr, "0"}),
};

// A syntax error names a byte of the text or the one just past it.
void CheckSyntaxError(const std::string& message, size_t size) {
  const std::string head = "过滤表达式第";
  if (message.compare(0, head.size(), head) != 0) return;
  const long position = std::strtol(message.c_str() + head.size(), nullptr, 10);
  Check(position >= 1 && static_cast<size_t>(position) <= size + 1);
}

// The row's answer, or -1 for a conversion error.
int Answer(const ruzi::TQxExprParser& parser, const FixedRow& row) {
  try {
    return ruzi::EvaluateFilter(parser, row) ? 1 : 0;
  } catch (const ruzi::ConvertError&) {
    return -1;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const unsigned options = data[0] & (ruzi::foCaseInsensitive | ruzi::foNoPartialCompare);
  const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
  try {
    const ruzi::TQxExprParser parser(kFields, text, options);
    if (parser.Root() == nullptr) return 0;
    // A trailing lead byte would pair with what follows it: only whole texts are wrapped.
    const bool wrappable = text.empty() || static_cast<unsigned char>(text.back()) < 0x80;
    for (const FixedRow& row : kRows) {
      const int answer = Answer(parser, row);
      Check(Answer(parser, row) == answer);
      if (!wrappable || answer < 0) continue;
      try {
        const ruzi::TQxExprParser negated(kFields, "NOT (" + text + ")", options);
        Check(Answer(negated, row) == 1 - answer);
      } catch (const ruzi::Error& error) {
        // Only the nesting limit may refuse the wrapped text.
        Check(std::string_view(error.what()).find("表达式嵌套太深") != std::string_view::npos);
      }
    }
  } catch (const ruzi::Error& error) {
    CheckSyntaxError(error.what(), text.size());
  }
  return 0;
}
