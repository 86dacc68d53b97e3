#pragma once
// The tokens of a filter text, read one at a time. Positions are 1-based bytes.
#include <cstdint>
#include <string>
#include <string_view>

namespace ruzi {

enum class TokenKind : uint8_t { End, Name, Text, Number, Symbol, Keyword };

struct Token {
  TokenKind Kind = TokenKind::End;
  std::string Value;  // a name or text unquoted; a symbol or keyword in capitals
  int32_t Position = 0;
};

class TokenReader {
 public:
  explicit TokenReader(std::string_view text) : text_(text) {}
  // The next token; a text or name without its closing quote or bracket, or a byte no token
  // starts with, raises the filter's syntax error.
  Token Next();

 private:
  Token ReadName(size_t start);
  Token ReadBracketName(size_t start);
  Token ReadText(size_t start);
  Token ReadNumber(size_t start);

  std::string_view text_;
  size_t at_ = 0;
};

// Raises ruzi::Error "过滤表达式第<position>个字符处有错：<what>".
[[noreturn]] void ThrowFilterSyntaxError(int32_t position, const std::string& what);

}  // namespace ruzi
