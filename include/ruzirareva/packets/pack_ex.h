#pragma once
// A section packet writer that remembers a current section, so a caller works with one object. Not
// thread-safe: a pack belongs to one thread at a time.
#include "ruzirareva/export.h"
#include "ruzirareva/packets/pack.h"

namespace ruzi {

class RUZI_API TPackEx : public TPack {
 public:
  explicit TPackEx(bool owns_buffer) : TPack(owns_buffer) {}
  ~TPackEx() override;

  int32_t CurrentSection() const { return current_section_; }
  void SetCurrentSection(int32_t index) { current_section_ = index; }

  void SetRange(int32_t cols, int32_t rows) { Current().SetRange(cols, rows); }
  void ResetRange(int32_t offset, int32_t cols, int32_t rows) { Current().ResetRange(offset, cols, rows); }
  void AddField(std::string_view name) { Current().AddField(name); }
  void CreateFields(const std::vector<std::string>& names) { Current().CreateFields(names); }
  void AddValue(std::string_view text) { Current().AddValue(text); }
  void AddValue(const char* text) { Current().AddValue(text); }
  void AddValue(int32_t value) { Current().AddValue(value); }
  void AddValue(double value, uint8_t digits) { Current().AddValue(value, digits); }
  void AddValue(char value) { Current().AddValue(value); }
  void AddValue(bool value) { Current().AddValue(value); }
  void AddRow(const std::vector<std::string>& values) { Current().AddRow(values); }

 private:
  TPackSection& Current() { return GetSection(current_section_); }

  int32_t current_section_ = 0;
};

}  // namespace ruzi
