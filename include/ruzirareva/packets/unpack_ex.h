#pragma once
// A section packet reader that remembers a current section, so a caller works with one object. Not
// thread-safe: a reader and its fields belong to one thread at a time.
#include "ruzirareva/export.h"
#include "ruzirareva/packets/unpack.h"

namespace ruzi {

class RUZI_API TUnPackEx : public TUnpack {
 public:
  explicit TUnPackEx(bool owns_buffer) : TUnpack(owns_buffer) {}
  ~TUnPackEx() override;

  int32_t CurrentSection() const { return current_section_; }
  void SetCurrentSection(int32_t index) { current_section_ = index; }

  bool GetEof() { return Current().Eof(); }
  bool GetBof() { return Current().Bof(); }
  int32_t GetFieldCount() { return Current().ColCount(); }
  int32_t GetRecordCount() { return Current().RowCount(); }

  void First() { Current().First(); }
  void Last() { Current().Last(); }
  void Next() { Current().Next(); }
  void Prior() { Current().Prior(); }
  int32_t MoveBy(int32_t rows) { return Current().MoveBy(rows); }
  int32_t GetRecNo() { return Current().GetRecNo(); }
  void SetRecNo(int32_t record) { Current().SetRecNo(record); }

  TField GetField(int32_t index) { return Current().GetField(index); }
  std::string GetFieldName(int32_t index) { return Current().GetFieldName(index); }
  TField FieldByName(std::string_view name) { return Current().FieldByName(name); }
  TField FieldByNamex(std::string_view name) { return Current().FieldByNamex(name); }
  TField FieldByName2(std::string_view name) { return Current().FieldByName2(name); }

 private:
  TUnpackSection& Current() { return GetSection(current_section_); }

  int32_t current_section_ = 0;
};

}  // namespace ruzi
