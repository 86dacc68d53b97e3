#pragma once
// Format: the directives "%s", "%d", "%5d", "%0:s" (argument index), "%.*f", "%x", "%u", "%e",
// "%g", "%n", "%m", "%p", with widths, precisions and "*". Arguments are a typed list checked against the
// directives at run time; a bad directive or a mismatch throws FormatError. The decimal
// separator is always ".". Pure functions: any thread may call them.
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

#include "ruzirareva/export.h"
#include "ruzirareva/foundation/convert_error.h"

namespace ruzi {

class FormatError : public ConvertError {
 public:
  using ConvertError::ConvertError;
};

// Holds strings by view, without copying: an argument must not outlive the text it was made
// from (a braced list in the call itself is always safe).
class RUZI_API FormatArg {
 public:
  enum class Kind { Integer, Float, String, Pointer };

  FormatArg(int value) : kind_(Kind::Integer), integer_(value) {}
  FormatArg(long value) : kind_(Kind::Integer), integer_(value), wide_(sizeof(long) == 8) {}
  FormatArg(long long value) : kind_(Kind::Integer), integer_(value), wide_(true) {}
  FormatArg(unsigned value) : kind_(Kind::Integer), integer_(value), unsigned_(true) {}
  FormatArg(unsigned long value)
      : kind_(Kind::Integer), integer_(static_cast<int64_t>(value)), wide_(sizeof(long) == 8), unsigned_(true) {}
  FormatArg(unsigned long long value)
      : kind_(Kind::Integer), integer_(static_cast<int64_t>(value)), wide_(true), unsigned_(true) {}
  FormatArg(double value) : kind_(Kind::Float), float_(value) {}
  // A character is a one-character string, as in the client's argument arrays.
  FormatArg(char value) : kind_(Kind::String), char_(value), string_(&char_, 1) {}
  FormatArg(const char* value) : kind_(Kind::String), string_(value != nullptr ? value : "") {}
  FormatArg(const std::string& value) : kind_(Kind::String), string_(value) {}
  FormatArg(std::string_view value) : kind_(Kind::String), string_(value) {}
  FormatArg(const void* value) : kind_(Kind::Pointer), pointer_(value) {}
  FormatArg(const FormatArg& other) { *this = other; }
  FormatArg& operator=(const FormatArg& other) {
    kind_ = other.kind_;
    integer_ = other.integer_;
    float_ = other.float_;
    char_ = other.char_;
    string_ = other.string_.data() == &other.char_ ? std::string_view(&char_, 1) : other.string_;
    pointer_ = other.pointer_;
    wide_ = other.wide_;
    unsigned_ = other.unsigned_;
    return *this;
  }

  Kind kind() const { return kind_; }
  int64_t integer() const { return integer_; }
  double floating() const { return float_; }
  std::string_view string() const { return string_; }
  const void* pointer() const { return pointer_; }
  // Integers: whether the source type was 64 bits wide (for "%x" and "%u" of negatives) and
  // whether it was unsigned.
  bool wide() const { return wide_; }
  bool is_unsigned() const { return unsigned_; }

 private:
  Kind kind_;
  int64_t integer_ = 0;
  double float_ = 0;
  char char_ = 0;
  std::string_view string_;
  const void* pointer_ = nullptr;
  bool wide_ = false;
  bool unsigned_ = false;
};

RUZI_API std::string Format(std::string_view format, std::initializer_list<FormatArg> args);
// The same over an argument array built at run time.
RUZI_API std::string FormatList(std::string_view format, std::span<const FormatArg> args);

}  // namespace ruzi
