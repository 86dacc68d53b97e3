#include "query/qx_expr_parser.h"

#include <algorithm>

#include "foundation/error.h"
#include "foundation/string_to_number.h"
#include "platform/ascii_case.h"
#include "query/data_set.h"
#include "query/qx_expr_tokens.h"

namespace ruzi {
namespace {

// Deeper trees are refused, so that parsing, evaluating and freeing them stay within the stack.
constexpr int kMaxDepth = 1000;

using NodePtr = std::unique_ptr<TQxExprNode>;

class Parser {
 public:
  Parser(std::string_view text, const std::vector<TQxFieldInfo>& fields) : tokens_(text), fields_(fields) {
    Advance();
  }

  NodePtr ParseAll() {
    if (token_.Kind == TokenKind::End) return nullptr;
    NodePtr root = ParseOr(0);
    if (token_.Kind != TokenKind::End) ThrowFilterSyntaxError(token_.Position, "多余的内容“" + token_.Value + "”");
    return root;
  }

 private:
  void Advance() { token_ = tokens_.Next(); }
  bool IsSymbol(const char* symbol) const { return token_.Kind == TokenKind::Symbol && token_.Value == symbol; }
  bool IsKeyword(const char* keyword) const { return token_.Kind == TokenKind::Keyword && token_.Value == keyword; }

  void CheckDepth(int depth) const {
    if (depth > kMaxDepth) ThrowFilterSyntaxError(token_.Position, "表达式嵌套太深");
  }

  static NodePtr Make(TQxNodeKind kind, TQxOperator op, int32_t position) {
    auto node = std::make_unique<TQxExprNode>();
    node->Kind = kind;
    node->Op = op;
    node->Position = position;
    return node;
  }

  // A left-deep chain counts its length as depth: a + b + c + ... nests as deeply as brackets.
  static NodePtr Join(TQxNodeKind kind, TQxOperator op, int32_t position, NodePtr left, NodePtr right) {
    NodePtr node = Make(kind, op, position);
    node->Args.push_back(std::move(left));
    node->Args.push_back(std::move(right));
    return node;
  }

  NodePtr ParseOr(int depth) {
    CheckDepth(depth);
    NodePtr left = ParseAnd(depth + 1);
    while (IsKeyword("OR")) {
      const int32_t position = token_.Position;
      CheckDepth(++depth);
      Advance();
      left = Join(TQxNodeKind::Or, TQxOperator::None, position, std::move(left), ParseAnd(depth + 1));
    }
    return left;
  }

  NodePtr ParseAnd(int depth) {
    CheckDepth(depth);
    NodePtr left = ParseNot(depth + 1);
    while (IsKeyword("AND")) {
      const int32_t position = token_.Position;
      CheckDepth(++depth);
      Advance();
      left = Join(TQxNodeKind::And, TQxOperator::None, position, std::move(left), ParseNot(depth + 1));
    }
    return left;
  }

  NodePtr ParseNot(int depth) {
    CheckDepth(depth);
    if (!IsKeyword("NOT")) return ParseComparison(depth + 1);
    NodePtr node = Make(TQxNodeKind::Not, TQxOperator::None, token_.Position);
    Advance();
    node->Args.push_back(ParseNot(depth + 1));
    return node;
  }

  static TQxOperator CompareOperator(const std::string& symbol) {
    if (symbol == "=") return TQxOperator::Equal;
    if (symbol == "<>") return TQxOperator::NotEqual;
    if (symbol == ">") return TQxOperator::Greater;
    if (symbol == "<") return TQxOperator::Less;
    if (symbol == ">=") return TQxOperator::GreaterEqual;
    if (symbol == "<=") return TQxOperator::LessEqual;
    return TQxOperator::None;
  }

  NodePtr ParseComparison(int depth) {
    CheckDepth(depth);
    NodePtr left = ParseAdditive(depth + 1);
    const int32_t position = token_.Position;
    if (token_.Kind == TokenKind::Symbol && CompareOperator(token_.Value) != TQxOperator::None) {
      const TQxOperator op = CompareOperator(token_.Value);
      Advance();
      return Join(TQxNodeKind::Compare, op, position, std::move(left), ParseAdditive(depth + 1));
    }
    bool negated = false;
    if (IsKeyword("NOT")) {
      negated = true;
      Advance();
      if (!IsKeyword("LIKE") && !IsKeyword("IN")) ThrowFilterSyntaxError(token_.Position, "NOT 后应为 LIKE 或 IN");
    }
    NodePtr test;
    if (IsKeyword("LIKE")) {
      Advance();
      test = Join(TQxNodeKind::Like, TQxOperator::None, position, std::move(left), ParseAdditive(depth + 1));
    } else if (IsKeyword("IN")) {
      Advance();
      test = ParseInList(position, std::move(left), depth + 1);
    } else {
      return left;
    }
    if (!negated) return test;
    NodePtr node = Make(TQxNodeKind::Not, TQxOperator::None, position);
    node->Args.push_back(std::move(test));
    return node;
  }

  NodePtr ParseInList(int32_t position, NodePtr left, int depth) {
    if (!IsSymbol("(")) ThrowFilterSyntaxError(token_.Position, "IN 后缺少左括号");
    Advance();
    NodePtr node = Make(TQxNodeKind::In, TQxOperator::None, position);
    node->Args.push_back(std::move(left));
    for (;;) {
      node->Args.push_back(ParseAdditive(depth + 1));
      if (IsSymbol(",")) {
        Advance();
        continue;
      }
      if (!IsSymbol(")")) ThrowFilterSyntaxError(token_.Position, "IN 列表缺少右括号");
      Advance();
      return node;
    }
  }

  NodePtr ParseAdditive(int depth) {
    CheckDepth(depth);
    NodePtr left = ParseMultiplicative(depth + 1);
    while (IsSymbol("+") || IsSymbol("-")) {
      const TQxOperator op = token_.Value == "+" ? TQxOperator::Add : TQxOperator::Sub;
      const int32_t position = token_.Position;
      CheckDepth(++depth);
      Advance();
      left = Join(TQxNodeKind::Arith, op, position, std::move(left), ParseMultiplicative(depth + 1));
    }
    return left;
  }

  NodePtr ParseMultiplicative(int depth) {
    CheckDepth(depth);
    NodePtr left = ParseUnary(depth + 1);
    while (IsSymbol("*") || IsSymbol("/") || IsKeyword("MOD")) {
      const TQxOperator op =
          token_.Value == "*" ? TQxOperator::Mul : (token_.Value == "/" ? TQxOperator::Div : TQxOperator::Mod);
      const int32_t position = token_.Position;
      CheckDepth(++depth);
      Advance();
      left = Join(TQxNodeKind::Arith, op, position, std::move(left), ParseUnary(depth + 1));
    }
    return left;
  }

  NodePtr ParseUnary(int depth) {
    CheckDepth(depth);
    if (!IsSymbol("-")) return ParsePrimary(depth + 1);
    NodePtr node = Make(TQxNodeKind::Negate, TQxOperator::None, token_.Position);
    Advance();
    node->Args.push_back(ParseUnary(depth + 1));
    return node;
  }

  NodePtr ParsePrimary(int depth) {
    CheckDepth(depth);
    const Token token = token_;
    switch (token.Kind) {
      case TokenKind::Number: {
        NodePtr node = Make(TQxNodeKind::Const, TQxOperator::None, token.Position);
        const auto integer = TryStrToInt64(token.Value);
        node->Type = integer ? ftLargeint : ftFloat;
        node->Number = integer ? static_cast<double>(*integer) : StrToFloatDef(token.Value, 0);
        node->Integer = integer.value_or(0);
        node->Text = token.Value;
        Advance();
        return node;
      }
      case TokenKind::Text: {
        NodePtr node = Make(TQxNodeKind::Const, TQxOperator::None, token.Position);
        node->Type = ftString;
        node->Text = token.Value;
        Advance();
        return node;
      }
      case TokenKind::Name: return ParseField(token);
      case TokenKind::Symbol:
        if (token.Value == "(") {
          Advance();
          NodePtr inner = ParseOr(depth + 1);
          if (!IsSymbol(")")) ThrowFilterSyntaxError(token_.Position, "缺少右括号");
          Advance();
          return inner;
        }
        break;
      default: break;
    }
    ThrowFilterSyntaxError(token.Position, token.Kind == TokenKind::End ? "缺少操作数" : "此处应为操作数");
  }

  NodePtr ParseField(const Token& token) {
    const auto found = std::find_if(fields_.begin(), fields_.end(), [&](const TQxFieldInfo& field) {
      return AsciiEqualIgnoreCase(field.Name, token.Value);
    });
    if (found == fields_.end()) throw Error("数据过滤时，字段" + token.Value + "未找到!");
    NodePtr node = Make(TQxNodeKind::Field, TQxOperator::None, token.Position);
    node->Text = found->Name;
    node->Type = found->Type;
    node->FieldIndex = static_cast<int32_t>(found - fields_.begin());
    Advance();
    return node;
  }

  TokenReader tokens_;
  const std::vector<TQxFieldInfo>& fields_;
  Token token_;
};

std::vector<TQxFieldInfo> FieldsOf(const DataSet* data_set) {
  std::vector<TQxFieldInfo> fields;
  if (data_set == nullptr) return fields;
  for (int i = 0; i < data_set->GetFieldCount(); ++i) {
    const DataField* field = data_set->Fields(i);
    fields.push_back(TQxFieldInfo{field->FieldName(), field->DataType()});
  }
  return fields;
}

}  // namespace

TQxExprParser::TQxExprParser(const DataSet* data_set, const std::string& text, unsigned filter_options,
                             unsigned parser_options)
    : text_(text), filter_options_(filter_options), parser_options_(parser_options) {
  Parse(FieldsOf(data_set));
}

TQxExprParser::TQxExprParser(const std::vector<TQxFieldInfo>& fields, const std::string& text, unsigned filter_options,
                             unsigned parser_options)
    : text_(text), filter_options_(filter_options), parser_options_(parser_options) {
  Parse(fields);
}

TQxExprParser::~TQxExprParser() = default;

void TQxExprParser::Parse(const std::vector<TQxFieldInfo>& fields) { root_ = Parser(text_, fields).ParseAll(); }

}  // namespace ruzi
