#include "query/qx_expr_tokens.h"

#include "foundation/error.h"
#include "foundation/gbk.h"
#include "platform/ascii_case.h"

namespace ruzi {
namespace {

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

const char* const kKeywords[] = {"AND", "OR", "NOT", "LIKE", "IN", "MOD"};

}  // namespace

void ThrowFilterSyntaxError(int32_t position, const std::string& what) {
  throw Error("过滤表达式第" + std::to_string(position) + "个字符处有错：" + what);
}

Token TokenReader::Next() {
  while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\t' || text_[at_] == '\r' || text_[at_] == '\n')) {
    ++at_;
  }
  const size_t start = at_;
  const auto position = static_cast<int32_t>(start + 1);
  if (at_ >= text_.size()) return Token{TokenKind::End, "", position};
  const char c = text_[at_];
  if (IsLetter(c) || IsGbkLeadByte(c)) return ReadName(start);
  if (c == '[') return ReadBracketName(start);
  if (c == '\'') return ReadText(start);
  if (IsDigit(c) || (c == '.' && at_ + 1 < text_.size() && IsDigit(text_[at_ + 1]))) return ReadNumber(start);
  const std::string_view two = text_.substr(at_, 2);
  if (two == "<>" || two == ">=" || two == "<=") {
    at_ += 2;
    return Token{TokenKind::Symbol, std::string(two), position};
  }
  if (std::string_view("=<>+-*/(),").find(c) != std::string_view::npos) {
    ++at_;
    return Token{TokenKind::Symbol, std::string(1, c), position};
  }
  ThrowFilterSyntaxError(position, "无法识别的字符");
}

Token TokenReader::ReadName(size_t start) {
  while (at_ < text_.size()) {
    const char c = text_[at_];
    if (IsGbkLeadByte(c) && at_ + 1 < text_.size()) {
      at_ += 2;
    } else if (IsLetter(c) || IsDigit(c) || c == '.') {
      ++at_;
    } else {
      break;
    }
  }
  Token token{TokenKind::Name, std::string(text_.substr(start, at_ - start)), static_cast<int32_t>(start + 1)};
  for (const char* keyword : kKeywords) {
    if (AsciiEqualIgnoreCase(token.Value, keyword)) {
      token.Kind = TokenKind::Keyword;
      token.Value = keyword;
    }
  }
  return token;
}

Token TokenReader::ReadBracketName(size_t start) {
  const size_t close = text_.find(']', start + 1);
  if (close == std::string_view::npos) ThrowFilterSyntaxError(static_cast<int32_t>(start + 1), "字段名缺少右方括号");
  at_ = close + 1;
  return Token{TokenKind::Name, std::string(text_.substr(start + 1, close - start - 1)), static_cast<int32_t>(start + 1)};
}

Token TokenReader::ReadText(size_t start) {
  std::string value;
  ++at_;
  for (;;) {
    const size_t quote = text_.find('\'', at_);
    if (quote == std::string_view::npos) ThrowFilterSyntaxError(static_cast<int32_t>(start + 1), "字符串缺少结束引号");
    value.append(text_.substr(at_, quote - at_));
    at_ = quote + 1;
    if (at_ < text_.size() && text_[at_] == '\'') {
      value += '\'';
      ++at_;
      continue;
    }
    return Token{TokenKind::Text, std::move(value), static_cast<int32_t>(start + 1)};
  }
}

Token TokenReader::ReadNumber(size_t start) {
  while (at_ < text_.size() && IsDigit(text_[at_])) ++at_;
  if (at_ < text_.size() && text_[at_] == '.') {
    ++at_;
    while (at_ < text_.size() && IsDigit(text_[at_])) ++at_;
  }
  if (at_ < text_.size() && (text_[at_] == 'e' || text_[at_] == 'E')) {
    size_t exponent = at_ + 1;
    if (exponent < text_.size() && (text_[exponent] == '+' || text_[exponent] == '-')) ++exponent;
    if (exponent < text_.size() && IsDigit(text_[exponent])) {
      at_ = exponent;
      while (at_ < text_.size() && IsDigit(text_[at_])) ++at_;
    }
  }
  return Token{TokenKind::Number, std::string(text_.substr(start, at_ - start)), static_cast<int32_t>(start + 1)};
}

}  // namespace ruzi
