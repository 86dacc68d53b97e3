#include "packets/unpack.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "foundation/error.h"
#include "foundation/format.h"
#include "foundation/string_to_number.h"
#include "packets/packet_layout.h"
#include "packets/name_compare.h"

namespace ruzi {

// ---- TUnpackSection: cursor ----

void TUnpackSection::First() {
  if (row_count_ <= 0) {
    eof_ = bof_ = true;
    return;
  }
  cursor_ = col_count_;
  eof_ = bof_ = false;
}

void TUnpackSection::Last() {
  if (row_count_ <= 0) {
    eof_ = bof_ = true;
    return;
  }
  cursor_ = static_cast<int64_t>(row_count_) * col_count_;
  eof_ = bof_ = false;
}

void TUnpackSection::Next() {
  if (cursor_ + col_count_ >= static_cast<int64_t>(items_.size())) {
    eof_ = true;
    return;
  }
  cursor_ += col_count_;
  eof_ = bof_ = false;
}

void TUnpackSection::Prior() {
  if (cursor_ - col_count_ < col_count_) {
    bof_ = true;
    return;
  }
  cursor_ -= col_count_;
  eof_ = bof_ = false;
}

int32_t TUnpackSection::MoveBy(int32_t rows) {
  MoveRows(rows);
  return GetRecNo();
}

void TUnpackSection::MoveRows(int64_t rows) {
  if (rows == 0) return;
  const int64_t target = GetRecNo() + rows;
  if (rows > 0 && target > row_count_) {
    Last();
    eof_ = true;
  } else if (rows < 0 && target < 1) {
    First();
    bof_ = true;
  } else {
    cursor_ = target * col_count_;
    eof_ = bof_ = false;
  }
}

int32_t TUnpackSection::GetRecNo() const {
  // A section that was never read has no columns to divide by.
  return col_count_ > 0 ? static_cast<int32_t>(cursor_ / col_count_) : 0;
}

void TUnpackSection::SetRecNo(int32_t record) { MoveRows(static_cast<int64_t>(record) - GetRecNo()); }

// ---- TUnpackSection: fields ----

void TUnpackSection::CheckColumn(int32_t index) const {
  if (index < 0 || index >= col_count_) throw Error(Format("列号超出范围: %d", {index}));
}

TField TUnpackSection::ValueAt(int32_t column) const {
  const int64_t at = cursor_ + column;
  return at < static_cast<int64_t>(items_.size()) ? items_[static_cast<size_t>(at)] : empty_field_;
}

TField TUnpackSection::GetField(int32_t index) const {
  CheckColumn(index);
  return ValueAt(index);
}

std::string TUnpackSection::GetFieldName(int32_t index) const {
  CheckColumn(index);
  return static_cast<size_t>(index) < items_.size() ? items_[static_cast<size_t>(index)].GetAsString() : std::string();
}

int32_t TUnpackSection::FindColumn(std::string_view name, bool fold_case) const {
  const int32_t names = std::min<int32_t>(col_count_, static_cast<int32_t>(items_.size()));
  for (int32_t i = 0; i < names; ++i) {
    const std::string_view column(items_[static_cast<size_t>(i)].Text());
    if (fold_case ? SameNameIgnoringCase(column, name) : column == name) return i;
  }
  return -1;
}

TField TUnpackSection::FieldByName(std::string_view name) const {
  const int32_t column = FindColumn(name, false);
  if (column < 0) throw Error("找不到列 " + std::string(name));
  return ValueAt(column);
}

TField TUnpackSection::FieldByNamex(std::string_view name) const {
  const int32_t column = FindColumn(name, false);
  return column < 0 ? empty_field_ : ValueAt(column);
}

TField TUnpackSection::FieldByName2(std::string_view name) const {
  const int32_t column = FindColumn(name, true);
  if (column < 0) throw Error("找不到列 " + std::string(name));
  return ValueAt(column);
}

void TUnpackSection::Reset() {
  col_count_ = 0;
  row_count_ = 0;
  items_.clear();
  eof_ = bof_ = true;
  cursor_ = 0;
}

// ---- TUnpack ----

namespace {

constexpr int32_t kInitialSections = 4;

// A count item: leading blanks or zeros allowed; 0 when it is no number.
int32_t ReadPacketCount(std::string_view text) { return TryStrToInt(text).value_or(0); }

// Offset of the next separator at or after `at`, or len when there is none.
int64_t FindSeparator(const char* text, int64_t at, int64_t len) {
  const void* found = std::memchr(text + at, kPacketSeparator, static_cast<size_t>(len - at));
  return found != nullptr ? static_cast<const char*>(found) - text : len;
}

// Reads the count item at `at` (0 when it is no number) and moves past its separator.
int32_t TakeCount(char* text, int64_t& at, int64_t len) {
  const int64_t end = FindSeparator(text, at, len);
  const int32_t count = ReadPacketCount(std::string_view(text + at, static_cast<size_t>(end - at)));
  if (end < len) text[end] = '\0';
  at = std::min(end + 1, len);
  return count;
}

}  // namespace

TUnpack::TUnpack(bool owns_buffer) : owns_buffer_(owns_buffer) {
  for (int32_t i = 0; i < kInitialSections; ++i) sections_.push_back(std::make_unique<TUnpackSection>(this));
}

TUnpack::~TUnpack() = default;

TUnpackSection& TUnpack::GetSection(int32_t index) {
  if (index < 0) throw std::out_of_range("negative section index");
  while (static_cast<int32_t>(sections_.size()) <= index) {
    sections_.push_back(std::make_unique<TUnpackSection>(this));
  }
  return *sections_[static_cast<size_t>(index)];
}

void TUnpack::Open(char* data, int32_t len) {
  if (len <= 0 || data == nullptr) {
    for (auto& section : sections_) section->eof_ = true;
    return;
  }
  if (owns_buffer_) {
    if (owned_capacity_ < len) {
      owned_.reset(new char[static_cast<size_t>(len)]);
      owned_capacity_ = len;
    }
    std::memcpy(owned_.get(), data, static_cast<size_t>(len));
    buffer_ = owned_.get();
  } else {
    buffer_ = data;
  }
  // Sections of an earlier packet would point into replaced text: empty them all first.
  for (auto& section : sections_) section->Reset();
  section_count_ = 0;
  int64_t at = 0;
  while (at < len) {
    section_count_ += 1;
    at = ParseSection(GetSection(section_count_ - 1), at, len);
  }
}

int64_t TUnpack::ParseSection(TUnpackSection& section, int64_t at, int64_t len) {
  char* text = buffer_;
  section.col_count_ = TakeCount(text, at, len);
  section.cursor_ = section.col_count_;
  if (section.col_count_ < 1) throw Error("解包列个数错误");
  section.row_count_ = TakeCount(text, at, len);
  if (section.row_count_ < 0) throw Error("解包记录数错误");

  const int64_t wanted = static_cast<int64_t>(section.col_count_) * (static_cast<int64_t>(section.row_count_) + 1);
  std::vector<TField>& items = section.items_;
  // Every item takes at least its separator: a count the data cannot hold reserves nothing.
  if (wanted <= len - at) items.reserve(static_cast<size_t>(wanted));
  int64_t found = 0;
  while (found < wanted) {
    const int64_t end = FindSeparator(text, at, len);
    if (end == len) break;
    text[end] = '\0';
    items.emplace_back(text + at);
    ++found;
    at = end + 1;
  }
  if (found < wanted) throw Error("行、列数与实际不符");
  section.First();
  return at;
}

}  // namespace ruzi
