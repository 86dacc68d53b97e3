#pragma once
// Builds one SDK packet: field definitions first, then values row by row. The header's counts
// are kept current after every definition and every completed row, so the bytes are a
// readable packet of the rows completed so far at any time; Finish completes a row left
// partly filled with empty values.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ruzi::sdk {

class PacketWriter {
 public:
  // Version 1 or 2; anything else writes version 2.
  explicit PacketWriter(int version);

  int Version() const { return version_; }
  // Empties the packet and writes a fresh header (the buffer is allocated when needed).
  void Start();
  void Reserve(size_t bytes) { bytes_.reserve(bytes); }

  // Each returns false, with LastError() telling why, when the call does not fit the packet.
  bool DefineField(std::string_view name, char type, int32_t width, int32_t scale);
  bool PutText(std::string_view text);
  bool PutInt(int32_t value);
  bool PutDouble(double value);
  bool PutChar(char value);
  bool PutRaw(const void* data, size_t size);
  void SetReturnCode(int32_t code);
  void Finish();

  // nullptr once released (before the next Start).
  const char* Data() const { return bytes_.empty() ? nullptr : bytes_.data(); }
  char* MutableData() { return bytes_.empty() ? nullptr : bytes_.data(); }
  size_t Size() const { return bytes_.size(); }
  size_t Capacity() const { return bytes_.capacity(); }
  // Frees the buffer; the packet must be started again.
  void Release();

  size_t FieldCount() const { return types_.size(); }
  uint32_t RowCount() const { return rows_; }
  const std::string& LastError() const { return error_; }

 private:
  bool Refuse(std::string reason);
  // The next value's field type, starting the packet when nothing was started.
  bool NextValueType(char& type);
  // A value of the field's own type: its text (version 1) or its bytes (version 2).
  bool PutOwnText(std::string_view text);
  bool PutBinary(const void* value, size_t size);
  void AppendBytes(const void* data, size_t size);
  void AppendText(std::string_view text);
  void AppendCounted(const void* data, size_t size, bool terminated);
  void ValueWritten();

  int version_;
  std::vector<char> bytes_;
  std::vector<char> types_;
  size_t next_column_ = 0;
  uint32_t rows_ = 0;
  std::string error_;
};

}  // namespace ruzi::sdk
