#include "packets/pack.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <new>
#include <stdexcept>

#include "foundation/error.h"
#include "foundation/format.h"
#include "packets/packet_layout.h"

namespace ruzi {
namespace {

constexpr int32_t kInitialCapacity = 1024;
constexpr int32_t kInitialSections = 4;
constexpr int64_t kGrowthSlack = 1024;

std::string HeaderText(std::string_view col_format, std::string_view row_format, int32_t cols, int32_t rows) {
  std::string header = Format(col_format, {cols});
  header += kPacketSeparator;
  header += Format(row_format, {rows});
  header += kPacketSeparator;
  return header;
}

}  // namespace

// ---- TPackSection ----

void TPackSection::SetRange(int32_t cols, int32_t rows) {
  col_count_ = cols;
  row_count_ = rows;
  fields_added_ = 0;
  values_added_ = 0;
  const std::string header = HeaderText("%5d", "%10d", cols, rows);
  TPack& pack = *pack_;
  pack.EnsureRoom(static_cast<int64_t>(header.size()));
  std::memcpy(pack.buffer_ + pack.size_, header.data(), header.size());
  pack.buffer_[pack.size_ + static_cast<int32_t>(header.size())] = '\0';
  start_offset_ = pack.size_;
  head_length_ = length_ = static_cast<int32_t>(header.size());
  pack.section_count_ += 1;
  pack.size_ += head_length_;
}

void TPackSection::ResetRange(int32_t offset, int32_t cols, int32_t rows) {
  TPack& pack = *pack_;
  if (offset < 0 || static_cast<int64_t>(offset) + kPacketHeaderLength > pack.size_) {
    throw std::out_of_range("section header offset outside the packet");
  }
  col_count_ = cols;
  row_count_ = rows;
  const std::string header = HeaderText("%05d", "%010d", cols, rows);
  // At most 16 bytes of the new header; the 17th is always the row count's separator.
  std::memcpy(pack.buffer_ + offset, header.data(), std::min<size_t>(header.size(), kPacketHeaderLength - 1));
  pack.buffer_[offset + kPacketHeaderLength - 1] = kPacketSeparator;
}

void TPackSection::AddField(std::string_view name) {
  const int32_t added = pack_->AppendItem(name);
  length_ += added;
  head_length_ += added;
  fields_added_ += 1;
}

void TPackSection::CreateFields(const std::vector<std::string>& names) {
  for (const std::string& name : names) AddField(name);
}

void TPackSection::AddValue(int32_t value) {
  char digits[16];
  const auto result = std::to_chars(digits, digits + sizeof digits, value);
  AddValue(std::string_view(digits, static_cast<size_t>(result.ptr - digits)));
}

void TPackSection::AddValue(double value, uint8_t digits) {
  AddValue(std::string_view(Format("%.*f", {static_cast<int>(digits), value})));
}

void TPackSection::AddValue(char value) {
  AddValue(value == '\0' ? std::string_view() : std::string_view(&value, 1));
}

void TPackSection::AddValue(bool value) { AddValue(static_cast<int32_t>(value ? 1 : 0)); }

void TPackSection::AddRow(const std::vector<std::string>& values) {
  for (const std::string& value : values) AddValue(std::string_view(value));
}

// ---- TPack ----

TPack::TPack(bool owns_buffer) : owns_buffer_(owns_buffer) {
  if (owns_buffer_) Reallocate(kInitialCapacity);
  Reset(kInitialSections);
  section_count_ = 0;
}

TPack::~TPack() {
  if (owns_buffer_) std::free(buffer_);
}

void TPack::SetExtBuffer(char* buffer, int32_t capacity) {
  if (owns_buffer_) return;
  buffer_ = buffer;
  capacity_ = buffer != nullptr ? std::max(capacity, 0) : 0;
  size_ = 0;
}

void TPack::AssignData(const char* data, int32_t len) {
  len = std::max(len, 0);
  if (len >= capacity_) Reallocate(static_cast<int64_t>(len) + kGrowthSlack);
  if (len > 0) std::memmove(buffer_, data, static_cast<size_t>(len));
  buffer_[len] = '\0';
  size_ = len;
}

void TPack::Reset(int32_t sections) {
  sections = std::max(sections, 0);
  while (static_cast<int32_t>(sections_.size()) < sections) {
    sections_.push_back(std::make_unique<TPackSection>(this));
  }
  section_count_ = sections;
  size_ = 0;
  if (buffer_ != nullptr && capacity_ > 0) buffer_[0] = '\0';
}

TPackSection& TPack::GetSection(int32_t index) {
  if (index < 0) throw std::out_of_range("negative section index");
  while (static_cast<int32_t>(sections_.size()) <= index) {
    sections_.push_back(std::make_unique<TPackSection>(this));
  }
  return *sections_[static_cast<size_t>(index)];
}

void TPack::ExpandBuffer(int32_t bytes) {
  if (bytes > 0) Reallocate(static_cast<int64_t>(capacity_) + bytes);
}

void TPack::CheckBuffer() const {
  for (int32_t i = 0; i < section_count_; ++i) {
    // A count of begun sections past the objects means a section was begun twice: faulty.
    if (i >= SectionCapacity()) throw Error("打包列个数错误");
    const TPackSection& section = *sections_[static_cast<size_t>(i)];
    if (section.fields_added_ != section.col_count_ || section.col_count_ < 1) {
      throw Error("打包列个数错误");
    }
    if (static_cast<int64_t>(section.col_count_) * section.row_count_ != section.values_added_) {
      throw Error("打包值个数错误");
    }
  }
}

void TPack::ClearLastSectData() {
  if (section_count_ < 1 || section_count_ > SectionCapacity() || buffer_ == nullptr) return;
  TPackSection& section = *sections_[static_cast<size_t>(section_count_ - 1)];
  const int64_t begin = std::clamp<int64_t>(static_cast<int64_t>(section.start_offset_) + section.head_length_, 0, size_);
  const int64_t end = std::clamp<int64_t>(static_cast<int64_t>(section.start_offset_) + section.length_, begin, size_);
  std::memset(buffer_ + begin, 0, static_cast<size_t>(end - begin));
  size_ -= static_cast<int32_t>(end - begin);
  section.length_ = section.head_length_;
  section.values_added_ = 0;
}

void TPack::Grow(int64_t needed) {
  // At least the classic step (item + 1,024), and at least doubling, so a long packet costs
  // a logarithmic number of copies.
  Reallocate(static_cast<int64_t>(capacity_) + std::max<int64_t>(needed + kGrowthSlack, capacity_));
}

void TPack::Reallocate(int64_t capacity) {
  if (capacity > INT32_MAX) throw std::length_error("section packet larger than 2 GB");
  const size_t bytes = static_cast<size_t>(capacity);
  char* grown = nullptr;
  if (owns_buffer_) {
    grown = static_cast<char*>(std::realloc(buffer_, bytes));
    if (grown == nullptr) throw std::bad_alloc();
  } else {
    // The caller's memory cannot be grown: the text moves into memory of our own.
    grown = static_cast<char*>(std::malloc(bytes));
    if (grown == nullptr) throw std::bad_alloc();
    if (buffer_ != nullptr) std::memcpy(grown, buffer_, std::min<size_t>(bytes, static_cast<size_t>(capacity_)));
    owns_buffer_ = true;
  }
  if (buffer_ == nullptr || capacity_ == 0) grown[0] = '\0';
  buffer_ = grown;
  capacity_ = static_cast<int32_t>(capacity);
}

}  // namespace ruzi
