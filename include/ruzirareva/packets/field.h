#pragma once
// One value of an opened section packet: a pointer to its NUL-terminated text inside the
// reader's buffer. Valid only while the reader lives and until its next Open. A field belongs to
// the thread that reads its packet.
#include <cstdint>
#include <string>
#include <string_view>

#include "ruzirareva/export.h"

namespace ruzi {

class RUZI_API TField {
 public:
  TField() = default;
  explicit TField(const char* text) : text_(text) {}

  const char* Text() const { return text_; }

  std::string GetAsString() const { return text_; }
  char GetAsChar() const { return text_[0]; }  // 0 for an empty text
  // Read as a floating number and rounded half to even; failing that read as an integer;
  // failing both 0.
  int32_t GetAsInteger() const { return AsIntegerDef(0); }
  double GetAsFloat() const { return AsFloatDef(0); }

  int32_t AsIntegerDef(int32_t fallback) const;
  double AsFloatDef(double fallback) const;
  char AsCharDef(char fallback) const { return text_[0] != '\0' ? text_[0] : fallback; }
  // "True"/"False" in any ASCII case, or a number (0 is false).
  bool AsBoolDef(bool fallback) const;
  std::string AsStringDef(std::string_view fallback) const {
    return text_[0] != '\0' ? std::string(text_) : std::string(fallback);
  }

 private:
  const char* text_ = "";
};

}  // namespace ruzi
