#pragma once
// IF2UnPacker over an SDK packet. A reader made over a caller's buffer reads it in place and
// hands back the same pointer from ReaderBuffer; it never frees it. The cursor starts on the
// first row.
#include <string>

#include "ref_counted_object.h"
#include "packets/sdk_packet/sdk_packet_reader.h"

namespace ruzi::sdk {

class SdkUnPacker final : public RefCountedObject<SdkUnPacker, IF2UnPacker, kUnPackerInterfaceId> {
 public:
  // nullptr when the bytes are not a complete packet of `version` (0 accepts both).
  static SdkUnPacker* OverBuffer(const void* data, uint32_t size, int version);
  // A reader over an empty packet of its own.
  static SdkUnPacker* Empty(int version);
  // A reader with nothing open, for a packer to point at its packet.
  static SdkUnPacker* Unopened() { return new SdkUnPacker(); }

  // Throws ruzi::Error for bytes that are not a packet; the reader is then empty.
  void Open(const char* data, size_t size);
  void Close();

  int32_t Version() override { return reader_.Version(); }
  int32_t FieldCount() override { return static_cast<int32_t>(reader_.FieldCount()); }
  const char* FieldName(int32_t column) override;
  char FieldType(int32_t column) override;
  int32_t FieldWidth(int32_t column) override;
  int32_t FieldScale(int32_t column) override;
  int32_t FieldIndex(const char* name) override;
  const char* StrByName(const char* name) override { return StrAt(FieldIndex(name)); }
  const char* StrAt(int32_t column) override;
  char CharByName(const char* name) override { return CharAt(FieldIndex(name)); }
  char CharAt(int32_t column) override;
  double DoubleByName(const char* name) override { return DoubleAt(FieldIndex(name)); }
  double DoubleAt(int32_t column) override;
  int32_t IntByName(const char* name) override { return IntAt(FieldIndex(name)); }
  int32_t IntAt(int32_t column) override;
  const void* RawByName(const char* name, int32_t* length) override { return RawAt(FieldIndex(name), length); }
  const void* RawAt(int32_t column, int32_t* length) override;
  void NextRow() override;
  int32_t IsEof() override { return row_ >= RowCount(); }
  int32_t GoToRow(int32_t row) override;
  int32_t CurrentRow() override { return row_; }
  void PriorRow() override;
  void GoLast() override { row_ = RowCount() - 1; }
  int32_t IsBof() override { return row_ < 0 || RowCount() == 0; }
  int32_t ReturnCode() override { return reader_.ReturnCode(); }
  int32_t ValueLengthAt(int32_t column) override;
  void* ReaderBuffer() override { return const_cast<char*>(reader_.Data()); }
  int32_t ReaderLength() override { return static_cast<int32_t>(reader_.Size()); }
  int32_t RowCount() override { return static_cast<int32_t>(reader_.RowCount()); }
  void GoFirst() override { row_ = 0; }

 private:
  friend RefCountedObject;
  SdkUnPacker() = default;
  ~SdkUnPacker() = default;
  bool HasField(int32_t column) const { return column >= 0 && static_cast<size_t>(column) < reader_.FieldCount(); }
  // A field of the current row.
  bool HasValue(int32_t column) const {
    return HasField(column) && row_ >= 0 && static_cast<size_t>(row_) < reader_.RowCount();
  }

  PacketReader reader_;
  std::string owned_;    // the packet of an empty reader
  std::string scratch_;  // the last converted text
  int32_t row_ = 0;
};

}  // namespace ruzi::sdk
