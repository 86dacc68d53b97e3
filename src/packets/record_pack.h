#pragma once
// A record set held by qxPack.dll: named fields, rows of text cells and a current row.
// Rows are numbered from 1 as in every dataset of the client; 0 means "no current row".
// Getters and setters answer 0 for success and a non-zero code for failure, the library's
// convention (kBadField, kNoRow, kBadNumber).
#include <cstdint>
#include <string>
#include <string_view>

#include "packets/record_pack_text.h"

namespace ruzi {

class RecordPack {
 public:
  static constexpr int kOk = 0;
  static constexpr int kBadText = 1;
  static constexpr int kBadField = 2;
  static constexpr int kNoRow = 3;
  static constexpr int kBadNumber = 4;
  static constexpr int kDuplicateField = 5;

  // Replaces everything with the parsed text; on failure the pack is left empty.
  int Parse(std::string_view text);
  std::string Text() const { return WriteRecordPackText(table_); }

  void Clear();      // fields and rows
  void ClearData();  // rows only

  void First() { current_ = table_.rows.empty() ? 0 : 1; }
  void Next();
  bool Eof() const { return current_ == 0 || current_ > table_.rows.size(); }
  int RecNo() const { return Eof() ? 0 : static_cast<int>(current_); }
  int SetRecNo(int row);
  int RecordCount() const { return static_cast<int>(table_.rows.size()); }

  int FieldCount() const { return static_cast<int>(table_.fields.size()); }
  int FieldIndex(std::string_view name) const;  // -1 when absent
  const std::string* FieldName(int index) const;
  int AddField(std::string_view name);
  int DeleteField(int index);

  // A new empty row after the last one becomes the current row.
  int AppendRow();
  // A new empty row before the current one (after the last when there is none).
  int InsertRow();
  int DeleteRow() { return DeleteRowAt(RecNo()); }
  int DeleteRowAt(int row);

  int SetText(int field, std::string_view value);
  int SetInt32(int field, int32_t value) { return SetText(field, std::to_string(value)); }
  int SetInt64(int field, int64_t value) { return SetText(field, std::to_string(value)); }
  int SetDouble(int field, double value);
  int SetChar(int field, char value) { return SetText(field, std::string_view(&value, 1)); }

  int GetText(int field, const std::string** value) const;
  int GetInt32(int field, int32_t* value) const;
  int GetInt64(int field, int64_t* value) const;
  int GetDouble(int field, double* value) const;
  // The first byte of the cell ('\0' for an empty cell).
  int GetChar(int field, char* value) const;

  const RecordTable& Table() const { return table_; }

 private:
  std::string* Cell(int field);
  const std::string* Cell(int field) const;

  RecordTable table_;
  size_t current_ = 0;
};

}  // namespace ruzi
