#pragma once
// A filter text of the dataset filter syntax, parsed once into an expression tree that
// EvaluateFilter then runs for each row:
//   names bare (letters, digits, "_", "." and double-byte characters) or in "[ ]";
//   'quoted texts' ("''" is one quote); numbers ("12", "1.5", "2e3");
//   = <> > < >= <=, LIKE, IN (list), NOT, AND, OR, + - * /, MOD, unary minus, parentheses.
// Keywords ignore letter case. Precedence, loosest first: OR; AND; NOT; comparisons, LIKE and
// IN; + and -; *, / and MOD; unary minus.
// A syntax error raises ruzi::Error "过滤表达式第N个字符处有错：<what>" (N counts bytes from 1);
// a name that is no field raises "数据过滤时，字段<name>未找到!".
// A parsed expression is read-only: any number of threads may evaluate it at once.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "ruzirareva/export.h"
#include "ruzirareva/query/field_type.h"

namespace ruzi {

class DataSet;

enum class TQxNodeKind : uint8_t { Const, Field, Compare, Like, In, Not, And, Or, Arith, Negate };
enum class TQxOperator : uint8_t { None, Equal, NotEqual, Greater, Less, GreaterEqual, LessEqual, Add, Sub, Mul, Div, Mod };

struct RUZI_API TQxExprNode {
  TQxNodeKind Kind = TQxNodeKind::Const;
  TQxOperator Op = TQxOperator::None;
  // A constant's text or a field's name.
  std::string Text;
  // A field's or constant's type (ftString for texts, ftInteger / ftFloat for numbers).
  TFieldType Type = ftUnknown;
  int32_t FieldIndex = -1;
  int32_t Position = 0;  // 1-based byte of the node's token in the filter text
  // A numeric constant, read once (Integer too when it is a whole number).
  double Number = 0;
  int64_t Integer = 0;
  std::vector<std::unique_ptr<TQxExprNode>> Args;
};

// A field the parser may name: its name and type, at its index in the row.
struct TQxFieldInfo {
  std::string Name;
  TFieldType Type = ftString;
};

// Parser options, kept for callers that pass them; the syntax above is always on.
enum TQxParserOption : unsigned { poExtSyntax = 1, poAggregate = 2, poDefaultExpr = 4, poUseOrigNames = 8 };

class RUZI_API TQxExprParser {
 public:
  // Fields named in the text are looked up among the dataset's fields (letter case ignored).
  TQxExprParser(const DataSet* data_set, const std::string& text, unsigned filter_options,
                unsigned parser_options = 0);
  TQxExprParser(const std::vector<TQxFieldInfo>& fields, const std::string& text, unsigned filter_options,
                unsigned parser_options = 0);
  ~TQxExprParser();
  TQxExprParser(const TQxExprParser&) = delete;
  TQxExprParser& operator=(const TQxExprParser&) = delete;

  // The expression's root; nullptr for a text of blanks only.
  const TQxExprNode* Root() const { return root_.get(); }
  // The TFilterOption bits the expression is evaluated with.
  unsigned FilterOptions() const { return filter_options_; }
  const std::string& Text() const { return text_; }
  // The TQxParserOption bits it was given.
  unsigned ParserOptions() const { return parser_options_; }

 private:
  void Parse(const std::vector<TQxFieldInfo>& fields);

  std::string text_;
  unsigned filter_options_;
  unsigned parser_options_;
  std::unique_ptr<TQxExprNode> root_;
};

}  // namespace ruzi
