#pragma once
// Reader of section packets (the writer is TPack). Open parses in place: every separator is
// replaced by NUL and each item becomes a TField pointing into the text, so reading a packet
// costs one pass and one pointer per item. Each section offers a cursor over its rows; the
// first row is record number 1. Not thread-safe: a reader and its fields belong to one thread at a
// time.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ruzirareva/export.h"
#include "ruzirareva/packets/field.h"

namespace ruzi {

class TUnpack;

class RUZI_API TUnpackSection {
 public:
  explicit TUnpackSection(TUnpack* unpack) : unpack_(unpack) {}

  // Cursor. Moving past either end sets Eof or Bof and leaves the cursor on the end row.
  void First();
  void Last();
  void Next();
  void Prior();
  int32_t MoveBy(int32_t rows);  // returns the record number
  int32_t GetRecNo() const;
  void SetRecNo(int32_t record);

  // Column I of the current row; "列号超出范围: %d" outside 0..ColCount-1. With no current
  // row (a section without rows) the field is empty.
  TField GetField(int32_t index) const;
  std::string GetFieldName(int32_t index) const;
  // Exact name; "找不到列 " + name when absent.
  TField FieldByName(std::string_view name) const;
  // Exact name; an empty field when absent.
  TField FieldByNamex(std::string_view name) const;
  // Name compared with ASCII letters folded (double-byte characters as they are);
  // "找不到列 " + name when absent.
  TField FieldByName2(std::string_view name) const;

  TUnpack* Unpack() const { return unpack_; }
  int32_t ColCount() const { return col_count_; }
  int32_t RowCount() const { return row_count_; }
  // The first ColCount items are the column names, then the values row by row.
  const std::vector<TField>& Items() const { return items_; }
  bool Eof() const { return eof_; }
  bool Bof() const { return bof_; }
  // Index in Items of the current row's first value: row r starts at r * ColCount.
  int64_t Cursor() const { return cursor_; }
  const TField& EmptyField() const { return empty_field_; }

 private:
  friend class TUnpack;

  void MoveRows(int64_t rows);
  TField ValueAt(int32_t column) const;
  void CheckColumn(int32_t index) const;
  // -1 when no name matches.
  int32_t FindColumn(std::string_view name, bool fold_case) const;
  void Reset();

  TUnpack* unpack_;
  int32_t col_count_ = 0;
  int32_t row_count_ = 0;
  std::vector<TField> items_;
  bool eof_ = true;
  bool bof_ = true;
  int64_t cursor_ = 0;
  TField empty_field_;
};

class RUZI_API TUnpack {
 public:
  // With owns_buffer Open copies the packet and parses the copy; otherwise it parses (and
  // changes) the caller's bytes, which must outlive the fields.
  explicit TUnpack(bool owns_buffer);
  virtual ~TUnpack();
  TUnpack(const TUnpack&) = delete;
  TUnpack& operator=(const TUnpack&) = delete;

  // Parses Len bytes. Throws "解包列个数错误", "解包记录数错误" or "行、列数与实际不符"; the
  // sections parsed before the fault stay readable. Len <= 0 only sets Eof everywhere.
  void Open(char* data, int32_t len);
  // Section object I, created on demand when I is past the ones that exist.
  TUnpackSection& GetSection(int32_t index);

  bool OwnsBuffer() const { return owns_buffer_; }
  const char* Buffer() const { return buffer_; }
  int32_t SectionCapacity() const { return static_cast<int32_t>(sections_.size()); }
  int32_t SectionCount() const { return section_count_; }

 private:
  // Reads one section starting at `at`; returns the offset after it.
  int64_t ParseSection(TUnpackSection& section, int64_t at, int64_t len);

  bool owns_buffer_;
  std::unique_ptr<char[]> owned_;
  int64_t owned_capacity_ = 0;
  char* buffer_ = nullptr;
  std::vector<std::unique_ptr<TUnpackSection>> sections_;
  int32_t section_count_ = 0;
};

}  // namespace ruzi
