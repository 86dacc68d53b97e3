#pragma once
// Reads an SDK packet in place: the bytes stay the caller's and must outlive the reader.
// Open checks the whole packet once and records where every value starts, so values are
// then read by row and column without further checks. Text values of both versions end
// with a NUL inside the packet, so they are handed out as C strings without copying.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ruzi::sdk {

struct FieldInfo {
  const char* name = "";  // in the packet, NUL-terminated
  char type = 'S';
  int32_t width = 0;
  int32_t scale = 0;
};

class PacketReader {
 public:
  // Throws ruzi::Error when the bytes are not a complete packet of version 1 or 2.
  void Open(const char* data, size_t size);
  void Clear();

  const char* Data() const { return data_; }
  size_t Size() const { return size_; }
  int Version() const { return version_; }
  int32_t ReturnCode() const { return return_code_; }
  size_t FieldCount() const { return fields_.size(); }
  size_t RowCount() const { return rows_; }
  const FieldInfo& Field(size_t column) const { return fields_[column]; }
  // Names compare ignoring ASCII case; -1 when absent.
  int FieldIndex(std::string_view name) const;

  // Row and column must be in range. Text and raw values point into the packet; other
  // types are converted through their text (see sdk_value_text.h).
  std::string_view Bytes(size_t row, size_t column) const;  // text or raw bytes
  std::string Text(size_t row, size_t column) const;
  // A C string in the packet for text values (V1 every value, V2 string fields), else nullptr.
  const char* TextInPlace(size_t row, size_t column) const;
  int32_t Int(size_t row, size_t column) const;
  double Double(size_t row, size_t column) const;
  char Char(size_t row, size_t column) const;

 private:
  const char* At(size_t row, size_t column) const { return data_ + offsets_[row * fields_.size() + column]; }
  size_t IndexFields(size_t at);
  size_t IndexRows(size_t at);

  const char* data_ = nullptr;
  size_t size_ = 0;
  int version_ = 0;
  int32_t return_code_ = 0;
  size_t rows_ = 0;
  std::vector<FieldInfo> fields_;
  std::vector<uint32_t> offsets_;
};

}  // namespace ruzi::sdk
