#pragma once
// Writer of section packets. A packet is one or more sections end to end; each section is a
// 17-byte header (column and row counts), the column names and the values row by row, every
// item followed by SOH. The text grows in one buffer that always ends with a NUL, so callers
// can hand Buffer() on as a C string (it usually travels as the value of a tagged item).
//
// Per section: SetRange, the column names, then the values row by row; CheckBuffer at the end
// verifies every section's counts. Not thread-safe: a pack belongs to one thread at a time.
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ruzirareva/export.h"
#include "ruzirareva/packets/packet_layout.h"

namespace ruzi {

class TPack;

class RUZI_API TPackSection {
 public:
  explicit TPackSection(TPack* pack) : pack_(pack) {}

  // Begins the section at the pack's write position with a blank-padded header.
  void SetRange(int32_t cols, int32_t rows);
  // Rewrites the header at Offset with zero-padded counts, for a writer that learns the counts
  // only after the rows: 16 bytes of it and SOH at Offset + 16; counts wider than 5 and 10
  // digits do not fit.
  void ResetRange(int32_t offset, int32_t cols, int32_t rows);

  void AddField(std::string_view name);
  void CreateFields(const std::vector<std::string>& names);
  inline void AddValue(std::string_view text);  // defined below: the hot path of a writer
  void AddValue(const char* text) { AddValue(std::string_view(text)); }
  void AddValue(int32_t value);
  void AddValue(double value, uint8_t digits);  // "%.*f"
  void AddValue(char value);                    // character 0 writes an empty value
  void AddValue(bool value);                    // 1 or 0
  void AddRow(const std::vector<std::string>& values);

  TPack* Pack() const { return pack_; }
  int32_t ColCount() const { return col_count_; }
  int32_t RowCount() const { return row_count_; }
  int32_t FieldsAdded() const { return fields_added_; }
  int32_t ValuesAdded() const { return values_added_; }
  int32_t StartOffset() const { return start_offset_; }
  int32_t HeadLength() const { return head_length_; }
  int32_t Length() const { return length_; }

 private:
  friend class TPack;

  TPack* pack_;
  int32_t col_count_ = 0;
  int32_t row_count_ = 0;
  int32_t fields_added_ = 0;
  int32_t values_added_ = 0;
  int32_t start_offset_ = 0;
  int32_t head_length_ = 0;
  int32_t length_ = 0;
};

class RUZI_API TPack {
 public:
  // With owns_buffer the pack allocates 1,024 bytes; otherwise it waits for SetExtBuffer.
  explicit TPack(bool owns_buffer);
  virtual ~TPack();
  TPack(const TPack&) = delete;
  TPack& operator=(const TPack&) = delete;

  // Writes into the caller's memory from offset 0; ignored when the pack owns its buffer.
  // Should an item not fit, the text moves to a buffer of the pack's own (Buffer() changes).
  void SetExtBuffer(char* buffer, int32_t capacity);
  // Copies Len bytes to the start of the buffer; Size becomes Len.
  void AssignData(const char* data, int32_t len);
  // Room for at least N section objects; SectionCount := N, Size := 0.
  void Reset(int32_t sections);
  // Section object I, created on demand when I is past the ones that exist.
  TPackSection& GetSection(int32_t index);
  // Capacity grows by exactly N bytes, contents kept.
  void ExpandBuffer(int32_t bytes);
  // Throws "打包列个数错误" / "打包值个数错误" for the first section whose counts disagree.
  void CheckBuffer() const;
  // Drops the values of the last begun section, keeping its header and names.
  void ClearLastSectData();

  bool OwnsBuffer() const { return owns_buffer_; }
  const char* Buffer() const { return buffer_; }
  int32_t Capacity() const { return capacity_; }
  int32_t Size() const { return size_; }
  int32_t SectionCapacity() const { return static_cast<int32_t>(sections_.size()); }
  int32_t SectionCount() const { return section_count_; }
  // The packet text written so far (without the trailing NUL).
  std::string_view Text() const { return {buffer_ != nullptr ? buffer_ : "", static_cast<size_t>(size_)}; }

 private:
  friend class TPackSection;

  // Writes text + SOH + NUL at the write position; returns the bytes added (NUL excluded).
  // Inline: it is the whole cost of writing a value.
  int32_t AppendItem(std::string_view text) {
    const int64_t length = static_cast<int64_t>(text.size()) + 1;
    EnsureRoom(length);
    char* at = buffer_ + size_;
    if (!text.empty()) std::memcpy(at, text.data(), text.size());
    at[text.size()] = kPacketSeparator;
    at[length] = '\0';
    size_ += static_cast<int32_t>(length);
    return static_cast<int32_t>(length);
  }
  // Grows the buffer unless more than `needed` bytes are free, so the NUL after them fits.
  void EnsureRoom(int64_t needed) {
    if (needed >= static_cast<int64_t>(capacity_) - size_) Grow(needed);
  }
  void Grow(int64_t needed);
  void Reallocate(int64_t capacity);

  bool owns_buffer_;
  char* buffer_ = nullptr;
  int32_t capacity_ = 0;
  int32_t size_ = 0;
  std::vector<std::unique_ptr<TPackSection>> sections_;
  int32_t section_count_ = 0;
};

inline void TPackSection::AddValue(std::string_view text) {
  length_ += pack_->AppendItem(text);
  values_added_ += 1;
}

}  // namespace ruzi
