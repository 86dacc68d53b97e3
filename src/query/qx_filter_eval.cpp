#include "query/qx_filter_eval.h"

#include <charconv>
#include <cmath>
#include <string>

#include "foundation/convert_error.h"
#include "foundation/date_time_text.h"
#include "foundation/error.h"
#include "foundation/float_text.h"
#include "foundation/string_to_number.h"
#include "query/data_set_types.h"
#include "query/qx_compare.h"

namespace ruzi {
namespace {

// An operand's value: its text (a view into the row, the expression or `own`), and the type
// that rules how it compares.
struct Value {
  std::string_view text;
  std::string own;
  TFieldType type = ftString;
  const TQxExprNode* node = nullptr;  // the field or constant it came from; nullptr when computed

  void Own(std::string value, TFieldType value_type) {
    own = std::move(value);
    text = own;
    type = value_type;
    node = nullptr;
  }
  bool IsField() const { return node != nullptr && node->Kind == TQxNodeKind::Field; }
  bool IsConst() const { return node != nullptr && node->Kind == TQxNodeKind::Const; }
  bool IsNumericConst() const { return IsConst() && node->Type != ftString; }
};

bool IsNumeric(TFieldType type) { return IsIntegerFieldType(type) || IsFloatFieldType(type); }

class Evaluator {
 public:
  Evaluator(const TQxRowReader& row, unsigned options) : row_(row), options_(options) {}

  bool Test(const TQxExprNode& node) const {
    switch (node.Kind) {
      case TQxNodeKind::And: return Test(*node.Args[0]) && Test(*node.Args[1]);
      case TQxNodeKind::Or: return Test(*node.Args[0]) || Test(*node.Args[1]);
      case TQxNodeKind::Not: return !Test(*node.Args[0]);
      case TQxNodeKind::Compare: {
        Value left, right;
        Eval(*node.Args[0], left);
        Eval(*node.Args[1], right);
        return Holds(node.Op, left, right);
      }
      case TQxNodeKind::Like: {
        Value text, mask;
        Eval(*node.Args[0], text);
        Eval(*node.Args[1], mask);
        return compare_.qxDbMaskMatch(mask.text, text.text, (options_ & foCaseInsensitive) == 0);
      }
      case TQxNodeKind::In: {
        Value left;
        Eval(*node.Args[0], left);
        for (size_t i = 1; i < node.Args.size(); ++i) {
          Value candidate;
          Eval(*node.Args[i], candidate);
          if (Holds(TQxOperator::Equal, left, candidate)) return true;
        }
        return false;
      }
      default: return false;  // an operand is no condition
    }
  }

 private:
  void Eval(const TQxExprNode& node, Value& out) const {
    switch (node.Kind) {
      case TQxNodeKind::Field: {
        const std::optional<std::string_view> text = row_.FieldText(node.FieldIndex);
        out.text = text.value_or(std::string_view());
        out.type = node.Type;
        out.node = &node;
        return;
      }
      case TQxNodeKind::Const:
        out.text = node.Text;
        out.type = node.Type;
        out.node = &node;
        return;
      case TQxNodeKind::Negate: {
        Value inner;
        Eval(*node.Args[0], inner);
        Value zero;
        zero.Own("0", ftLargeint);
        Arithmetic(TQxOperator::Sub, zero, inner, out);
        return;
      }
      case TQxNodeKind::Arith: {
        Value left, right;
        Eval(*node.Args[0], left);
        Eval(*node.Args[1], right);
        Arithmetic(node.Op, left, right, out);
        return;
      }
      default:
        // A condition used as an operand reads as a boolean.
        out.Own(Test(node) ? "1" : "0", ftBoolean);
        return;
    }
  }

  // A whole number constant is read once, at parsing. Plain decimal digits, the usual field
  // text, take the short way; blanks, "+" and hex forms the general reader.
  static std::optional<int64_t> Integer(const Value& value) {
    if (value.IsNumericConst() && value.node->Type == ftLargeint) return value.node->Integer;
    const char* end = value.text.data() + value.text.size();
    int64_t number = 0;
    const auto read = std::from_chars(value.text.data(), end, number);
    if (read.ec == std::errc() && read.ptr == end) return number;
    return TryStrToInt64(value.text);
  }

  double Number(const Value& value) const {
    if (value.IsNumericConst()) return value.node->Number;
    if (IsDateTimeFieldType(value.type)) return DateTime(value);
    return compare_.TranStrToFloat(value.text.data(), static_cast<int>(value.text.size()));
  }

  static double DateTime(const Value& value) {
    if (value.text.empty()) return 0;
    if (const auto date = TryTextToDateTime(value.text)) return *date;
    if (const auto days = TryStrToFloat(value.text)) return *days;
    throw ConvertError("'" + std::string(value.text) + "' is not a valid date and time");
  }

  // The type that rules a comparison or a sum: a field's first, then a computed value's, then
  // (two constants) a number's when both are numbers.
  static TFieldType RulingType(const Value& a, const Value& b) {
    if (a.IsField()) return a.type;
    if (b.IsField()) return b.type;
    if (!a.IsConst()) return a.type;
    if (!b.IsConst()) return b.type;
    if (IsNumeric(a.type) && IsNumeric(b.type)) return a.type == ftFloat || b.type == ftFloat ? ftFloat : ftLargeint;
    return ftString;
  }

  int Order(const Value& a, const Value& b, bool equality) const {
    const bool ignore_case = (options_ & foCaseInsensitive) != 0;
    // "= 'ABC*'" asks for the prefix.
    if (equality && (options_ & foNoPartialCompare) == 0 && b.IsConst() && b.node->Type == ftString &&
        !b.text.empty() && b.text.back() == '*') {
      const std::string_view prefix = b.text.substr(0, b.text.size() - 1);
      const std::string_view head = a.text.substr(0, std::min(a.text.size(), prefix.size()));
      return compare_.qxDbStrComp(head.data(), prefix.data(), static_cast<int>(head.size()),
                                  static_cast<int>(prefix.size()), ignore_case);
    }
    const TFieldType type = RulingType(a, b);
    if (IsIntegerFieldType(type)) {
      const auto x = Integer(a), y = Integer(b);
      if (x && y) return *x < *y ? -1 : (*y < *x ? 1 : 0);
    }
    if (IsNumeric(type)) {
      const double x = Number(a), y = Number(b);
      return x < y ? -1 : (y < x ? 1 : 0);
    }
    if (IsDateTimeFieldType(type)) {
      const double x = DateTime(a), y = DateTime(b);
      return x < y ? -1 : (y < x ? 1 : 0);
    }
    if (type == ftBoolean) {
      return compare_.qxDbBooleanComp(a.text.data(), b.text.data(), static_cast<int>(a.text.size()),
                                      static_cast<int>(b.text.size()));
    }
    return compare_.qxDbStrComp(a.text.data(), b.text.data(), static_cast<int>(a.text.size()),
                                static_cast<int>(b.text.size()), ignore_case);
  }

  bool Holds(TQxOperator op, const Value& a, const Value& b) const {
    const int order = Order(a, b, op == TQxOperator::Equal || op == TQxOperator::NotEqual);
    switch (op) {
      case TQxOperator::Equal: return order == 0;
      case TQxOperator::NotEqual: return order != 0;
      case TQxOperator::Greater: return order > 0;
      case TQxOperator::Less: return order < 0;
      case TQxOperator::GreaterEqual: return order >= 0;
      case TQxOperator::LessEqual: return order <= 0;
      default: return false;
    }
  }

  void Arithmetic(TQxOperator op, const Value& a, const Value& b, Value& out) const {
    const bool a_date = IsDateTimeFieldType(a.type), b_date = IsDateTimeFieldType(b.type);
    if (a_date || b_date) {
      const double x = Number(a), y = Number(b);
      if (op == TQxOperator::Sub && a_date && b_date) return out.Own(FloatToStr(x - y), ftFloat);
      if (op == TQxOperator::Add) return out.Own(DateTimeToText(x + y), ftDateTime);
      if (op == TQxOperator::Sub) return out.Own(DateTimeToText(x - y), ftDateTime);
      return FloatArithmetic(op, x, y, out);
    }
    if (op == TQxOperator::Add && !IsNumeric(a.type) && !IsNumeric(b.type) && a.type != ftBoolean &&
        b.type != ftBoolean) {
      return out.Own(std::string(a.text) + std::string(b.text), ftString);
    }
    if (IsIntegerFieldType(a.type) && IsIntegerFieldType(b.type)) {
      const auto x = TryStrToInt64(a.text.empty() ? "0" : a.text), y = TryStrToInt64(b.text.empty() ? "0" : b.text);
      if (x && y && IntegerArithmetic(op, *x, *y, out)) return;
    }
    FloatArithmetic(op, Number(a), Number(b), out);
  }

  // False when the result does not fit 64 bits (the float form takes over).
  static bool IntegerArithmetic(TQxOperator op, int64_t x, int64_t y, Value& out) {
    int64_t result = 0;
    switch (op) {
      case TQxOperator::Add:
        if (__builtin_add_overflow(x, y, &result)) return false;
        break;
      case TQxOperator::Sub:
        if (__builtin_sub_overflow(x, y, &result)) return false;
        break;
      case TQxOperator::Mul:
        if (__builtin_mul_overflow(x, y, &result)) return false;
        break;
      case TQxOperator::Div:
        if (y == 0) {
          out.Own("0", ftLargeint);
          return true;
        }
        if (y == -1 || x % y != 0) return false;
        result = x / y;
        break;
      case TQxOperator::Mod:
        result = (y == 0 || y == -1) ? 0 : x % y;
        break;
      default: return false;
    }
    out.Own(std::to_string(result), ftLargeint);
    return true;
  }

  static void FloatArithmetic(TQxOperator op, double x, double y, Value& out) {
    double result = 0;
    switch (op) {
      case TQxOperator::Add: result = x + y; break;
      case TQxOperator::Sub: result = x - y; break;
      case TQxOperator::Mul: result = x * y; break;
      case TQxOperator::Div: result = y == 0 ? 0 : x / y; break;
      case TQxOperator::Mod: result = y == 0 ? 0 : std::fmod(x, y); break;
      default: break;
    }
    out.Own(FloatToStr(result), ftFloat);
  }

  const TQxRowReader& row_;
  unsigned options_;
  TQxCompare compare_;
};

}  // namespace

bool EvaluateFilter(const TQxExprParser& expression, const TQxRowReader& row) {
  if (expression.Root() == nullptr) throw Error("数据过滤失败，无比较表达式!");
  return Evaluator(row, expression.FilterOptions()).Test(*expression.Root());
}

}  // namespace ruzi
