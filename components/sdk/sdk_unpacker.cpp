#include "sdk_unpacker.h"

#include "foundation/error.h"
#include "packets/sdk_packet/sdk_packet_layout.h"
#include "packets/sdk_packet/sdk_packet_writer.h"

namespace ruzi::sdk {

SdkUnPacker* SdkUnPacker::OverBuffer(const void* data, uint32_t size, int version) {
  if (data == nullptr || size < 1) return nullptr;
  if (version != 0 && PacketVersionOf(data) != version) return nullptr;
  auto* reader = new SdkUnPacker();
  try {
    reader->Open(static_cast<const char*>(data), size);
  } catch (const Error&) {
    reader->Release();
    return nullptr;
  }
  return reader;
}

SdkUnPacker* SdkUnPacker::Empty(int version) {
  PacketWriter writer(version);
  writer.Start();
  auto* reader = new SdkUnPacker();
  reader->owned_.assign(writer.Data(), writer.Size());
  reader->Open(reader->owned_.data(), reader->owned_.size());
  return reader;
}

void SdkUnPacker::Open(const char* data, size_t size) {
  row_ = 0;
  reader_.Open(data, size);
}

void SdkUnPacker::Close() {
  reader_.Clear();
  row_ = 0;
}

const char* SdkUnPacker::FieldName(int32_t column) { return HasField(column) ? reader_.Field(column).name : ""; }
char SdkUnPacker::FieldType(int32_t column) { return HasField(column) ? reader_.Field(column).type : '\0'; }
int32_t SdkUnPacker::FieldWidth(int32_t column) { return HasField(column) ? reader_.Field(column).width : 0; }
int32_t SdkUnPacker::FieldScale(int32_t column) { return HasField(column) ? reader_.Field(column).scale : 0; }

int32_t SdkUnPacker::FieldIndex(const char* name) { return name == nullptr ? -1 : reader_.FieldIndex(name); }

const char* SdkUnPacker::StrAt(int32_t column) {
  if (!HasValue(column)) return "";
  if (const char* text = reader_.TextInPlace(row_, column)) return text;
  scratch_ = reader_.Text(row_, column);
  return scratch_.c_str();
}

char SdkUnPacker::CharAt(int32_t column) { return HasValue(column) ? reader_.Char(row_, column) : '\0'; }
double SdkUnPacker::DoubleAt(int32_t column) { return HasValue(column) ? reader_.Double(row_, column) : 0.0; }
int32_t SdkUnPacker::IntAt(int32_t column) { return HasValue(column) ? reader_.Int(row_, column) : 0; }

const void* SdkUnPacker::RawAt(int32_t column, int32_t* length) {
  std::string_view bytes;
  if (HasValue(column)) {
    bytes = reader_.Bytes(row_, column);
    if (bytes.data() == nullptr) {  // a binary number: its text
      scratch_ = reader_.Text(row_, column);
      bytes = scratch_;
    }
  }
  if (length != nullptr) *length = static_cast<int32_t>(bytes.size());
  return bytes.empty() ? "" : bytes.data();
}

int32_t SdkUnPacker::ValueLengthAt(int32_t column) {
  int32_t length = 0;
  RawAt(column, &length);
  return length;
}

void SdkUnPacker::NextRow() {
  if (row_ < RowCount()) ++row_;
}

void SdkUnPacker::PriorRow() {
  if (row_ >= 0) --row_;
}

int32_t SdkUnPacker::GoToRow(int32_t row) {
  if (row < 0 || row >= RowCount()) return -1;
  row_ = row;
  return 0;
}

}  // namespace ruzi::sdk
