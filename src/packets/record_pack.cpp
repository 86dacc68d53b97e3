#include "packets/record_pack.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>

namespace ruzi {
namespace {

template <typename Integer>
bool ParseInteger(std::string_view text, Integer* value) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), *value);
  return error == std::errc() && end == text.data() + text.size() && !text.empty();
}

}  // namespace

int RecordPack::Parse(std::string_view text) {
  auto table = ParseRecordPackText(text);
  current_ = 0;
  if (!table) {
    table_ = RecordTable();
    return kBadText;
  }
  table_ = std::move(*table);
  First();
  return kOk;
}

void RecordPack::Clear() {
  table_ = RecordTable();
  current_ = 0;
}

void RecordPack::ClearData() {
  table_.rows.clear();
  current_ = 0;
}

void RecordPack::Next() {
  if (!Eof()) ++current_;
}

int RecordPack::SetRecNo(int row) {
  if (row < 1 || row > RecordCount()) return kNoRow;
  current_ = static_cast<size_t>(row);
  return kOk;
}

int RecordPack::FieldIndex(std::string_view name) const {
  for (size_t i = 0; i < table_.fields.size(); ++i) {
    if (table_.fields[i] == name) return static_cast<int>(i);
  }
  return -1;
}

const std::string* RecordPack::FieldName(int index) const {
  if (index < 0 || index >= FieldCount()) return nullptr;
  return &table_.fields[static_cast<size_t>(index)];
}

int RecordPack::AddField(std::string_view name) {
  if (name.empty()) return kBadField;
  if (FieldIndex(name) >= 0) return kDuplicateField;
  table_.fields.emplace_back(name);
  for (auto& row : table_.rows) row.emplace_back();
  return kOk;
}

int RecordPack::DeleteField(int index) {
  if (index < 0 || index >= FieldCount()) return kBadField;
  table_.fields.erase(table_.fields.begin() + index);
  for (auto& row : table_.rows) row.erase(row.begin() + index);
  return kOk;
}

int RecordPack::AppendRow() {
  if (table_.fields.empty()) return kBadField;
  table_.rows.emplace_back(table_.fields.size());
  current_ = table_.rows.size();
  return kOk;
}

int RecordPack::InsertRow() {
  if (Eof()) return AppendRow();
  table_.rows.insert(table_.rows.begin() + static_cast<std::ptrdiff_t>(current_ - 1),
                     std::vector<std::string>(table_.fields.size()));
  return kOk;
}

int RecordPack::DeleteRowAt(int row) {
  if (row < 1 || row > RecordCount()) return kNoRow;
  table_.rows.erase(table_.rows.begin() + (row - 1));
  // The row that followed becomes current; past the last row the cursor is at the end.
  if (current_ > static_cast<size_t>(row)) --current_;
  if (table_.rows.empty()) current_ = 0;
  return kOk;
}

std::string* RecordPack::Cell(int field) {
  if (Eof() || field < 0 || field >= FieldCount()) return nullptr;
  return &table_.rows[current_ - 1][static_cast<size_t>(field)];
}

const std::string* RecordPack::Cell(int field) const { return const_cast<RecordPack*>(this)->Cell(field); }

int RecordPack::SetText(int field, std::string_view value) {
  if (field < 0 || field >= FieldCount()) return kBadField;
  std::string* cell = Cell(field);
  if (cell == nullptr) return kNoRow;
  cell->assign(value);
  return kOk;
}

int RecordPack::SetDouble(int field, double value) {
  char text[32];
  // 17 significant digits read back as the same double.
  std::snprintf(text, sizeof text, "%.17g", value);
  return SetText(field, text);
}

int RecordPack::GetText(int field, const std::string** value) const {
  if (field < 0 || field >= FieldCount()) return kBadField;
  const std::string* cell = Cell(field);
  if (cell == nullptr) return kNoRow;
  *value = cell;
  return kOk;
}

int RecordPack::GetInt32(int field, int32_t* value) const {
  const std::string* cell = nullptr;
  if (int code = GetText(field, &cell)) return code;
  return ParseInteger(*cell, value) ? kOk : kBadNumber;
}

int RecordPack::GetInt64(int field, int64_t* value) const {
  const std::string* cell = nullptr;
  if (int code = GetText(field, &cell)) return code;
  return ParseInteger(*cell, value) ? kOk : kBadNumber;
}

int RecordPack::GetDouble(int field, double* value) const {
  const std::string* cell = nullptr;
  if (int code = GetText(field, &cell)) return code;
  std::string_view text = *cell;
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), *value);
  return error == std::errc() && end == text.data() + text.size() && !text.empty() ? kOk : kBadNumber;
}

int RecordPack::GetChar(int field, char* value) const {
  const std::string* cell = nullptr;
  if (int code = GetText(field, &cell)) return code;
  *value = cell->empty() ? '\0' : cell->front();
  return kOk;
}

}  // namespace ruzi
