#pragma once
// Delphi-compatible Format: "%s", "%d", "%5d", "%0:s", "%.*f", "%x", "%u", "%e", "%g", "%n",
// "%m", "%p", widths, precisions and "*". Arguments are a typed list checked against the
// directives at run time; a bad directive or a mismatch throws FormatError. The decimal
// separator is always ".".
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "foundation/error.h"

namespace ruzi {

class FormatError : public Error {
 public:
  using Error::Error;
};

class FormatArg {
 public:
  enum class Kind { Integer, Float, String, Pointer };

  FormatArg(int value) : kind_(Kind::Integer), integer_(value) {}
  FormatArg(long value) : kind_(Kind::Integer), integer_(value) {}
  FormatArg(long long value) : kind_(Kind::Integer), integer_(value) {}
  FormatArg(unsigned value) : kind_(Kind::Integer), integer_(value) {}
  FormatArg(unsigned long value) : kind_(Kind::Integer), integer_(static_cast<int64_t>(value)) {}
  FormatArg(unsigned long long value) : kind_(Kind::Integer), integer_(static_cast<int64_t>(value)) {}
  FormatArg(double value) : kind_(Kind::Float), float_(value) {}
  FormatArg(const char* value) : kind_(Kind::String), string_(value != nullptr ? value : "") {}
  FormatArg(const std::string& value) : kind_(Kind::String), string_(value) {}
  FormatArg(std::string_view value) : kind_(Kind::String), string_(value) {}
  FormatArg(const void* value) : kind_(Kind::Pointer), pointer_(value) {}

  Kind kind() const { return kind_; }
  int64_t integer() const { return integer_; }
  double floating() const { return float_; }
  std::string_view string() const { return string_; }
  const void* pointer() const { return pointer_; }

 private:
  Kind kind_;
  int64_t integer_ = 0;
  double float_ = 0;
  std::string_view string_;
  const void* pointer_ = nullptr;
};

std::string Format(std::string_view format, std::initializer_list<FormatArg> args);

}  // namespace ruzi
