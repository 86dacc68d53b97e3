#include "packets/sdk_packet/sdk_packet_reader.h"

#include "platform/ascii_case.h"
#include "foundation/error.h"
#include "packets/sdk_packet/sdk_packet_layout.h"
#include "packets/sdk_packet/sdk_value_text.h"

namespace ruzi::sdk {
namespace {

[[noreturn]] void Malformed(const char* what) { throw Error(std::string("数据包格式不正确: ") + what); }

}  // namespace

void PacketReader::Clear() {
  data_ = nullptr;
  size_ = 0;
  version_ = 0;
  return_code_ = 0;
  rows_ = 0;
  fields_.clear();
  offsets_.clear();
}

void PacketReader::Open(const char* data, size_t size) {
  Clear();
  try {
    if (data == nullptr || size < kHeaderBytes) Malformed("长度不足");
    if (size > UINT32_MAX) Malformed("长度超出上限");
    data_ = data;
    size_ = size;
    version_ = PacketVersionOf(data);
    if (version_ == 0) Malformed("版本不正确");
    if (data[1] != kPacketMagic[0] || data[2] != kPacketMagic[1] || data[3] != '\0') Malformed("标志不正确");
    return_code_ = static_cast<int32_t>(LoadU32(data + kReturnCodeAt));
    size_t at = IndexFields(kHeaderBytes);
    at = IndexRows(at);
    if (at != size) Malformed("数据之后有多余字节");
  } catch (...) {
    Clear();
    throw;
  }
}

size_t PacketReader::IndexFields(size_t at) {
  const size_t count = LoadU32(data_ + kFieldCountAt);
  const size_t fixed = version_ == kPacketV1 ? 4 : 9;  // type and the numbers after the name
  if (count > (size_ - at) / (fixed + 3)) Malformed("字段个数不正确");
  fields_.reserve(count);
  for (size_t i = 0; i < count; ++i) {
    if (at >= size_) Malformed("字段定义不完整");
    const size_t name_size = static_cast<uint8_t>(data_[at]);
    if (name_size == 0 || size_ - at < 1 + name_size + 1 + fixed) Malformed("字段定义不完整");
    FieldInfo field;
    field.name = data_ + at + 1;
    if (std::memchr(field.name, '\0', name_size) != nullptr || field.name[name_size] != '\0') Malformed("字段名不正确");
    at += 1 + name_size + 1;
    field.type = data_[at];
    if (!IsFieldType(version_, field.type)) Malformed("字段类型不正确");
    if (version_ == kPacketV1) {
      field.width = static_cast<uint8_t>(data_[at + 1]) | (static_cast<uint8_t>(data_[at + 2]) << 8);
      field.scale = static_cast<uint8_t>(data_[at + 3]);
    } else {
      field.width = static_cast<int32_t>(LoadU32(data_ + at + 1));
      field.scale = static_cast<int32_t>(LoadU32(data_ + at + 5));
      if (field.width < 0 || field.scale < 0) Malformed("字段宽度不正确");
    }
    at += fixed;
    fields_.push_back(field);
  }
  return at;
}

size_t PacketReader::IndexRows(size_t at) {
  const size_t rows = LoadU32(data_ + kRowCountAt);
  const size_t columns = fields_.size();
  if (rows > 0 && (columns == 0 || rows > (size_ - at) / columns)) Malformed("记录数不正确");
  offsets_.resize(rows * columns);
  uint32_t* offset = offsets_.data();
  for (size_t row = 0; row < rows; ++row) {
    for (size_t column = 0; column < columns; ++column) {
      if (at >= size_) Malformed("数据不完整");
      *offset++ = static_cast<uint32_t>(at);
      size_t left = size_ - at;
      size_t value_size = 0;
      if (version_ == kPacketV1) {
        const void* end = std::memchr(data_ + at, '\0', left);
        if (end == nullptr) Malformed("数据不完整");
        value_size = static_cast<size_t>(static_cast<const char*>(end) - (data_ + at)) + 1;
      } else {
        switch (fields_[column].type) {
          case kTypeInt: value_size = 4; break;
          case kTypeFloat: value_size = 8; break;
          case kTypeChar: value_size = 1; break;
          default: {
            const size_t framing = fields_[column].type == kTypeString ? 5 : 4;  // length, and the NUL
            if (left < framing || LoadU32(data_ + at) > left - framing) Malformed("数据不完整");
            const bool terminated = framing == 5;
            value_size = framing + LoadU32(data_ + at);
            if (terminated && data_[at + value_size - 1] != '\0') Malformed("字符串没有结束符");
          }
        }
        if (value_size > left) Malformed("数据不完整");
      }
      at += value_size;
    }
  }
  rows_ = rows;
  return at;
}

int PacketReader::FieldIndex(std::string_view name) const {
  for (size_t i = 0; i < fields_.size(); ++i) {
    if (AsciiEqualIgnoreCase(fields_[i].name, name)) return static_cast<int>(i);
  }
  return -1;
}

std::string_view PacketReader::Bytes(size_t row, size_t column) const {
  const char* at = At(row, column);
  if (version_ == kPacketV1) return std::string_view(at);
  switch (fields_[column].type) {
    case kTypeString:
    case kTypeRaw: return std::string_view(at + 4, LoadU32(at));
    default: return {};
  }
}

const char* PacketReader::TextInPlace(size_t row, size_t column) const {
  if (version_ == kPacketV1) return At(row, column);
  return fields_[column].type == kTypeString ? At(row, column) + 4 : nullptr;
}

std::string PacketReader::Text(size_t row, size_t column) const {
  if (version_ == kPacketV1) return std::string(At(row, column));
  const char* at = At(row, column);
  switch (fields_[column].type) {
    case kTypeInt: return IntText(static_cast<int32_t>(LoadU32(at)));
    case kTypeFloat: return DoubleText(Double(row, column));
    case kTypeChar: return CharText(*at);
    default: return std::string(Bytes(row, column));
  }
}

int32_t PacketReader::Int(size_t row, size_t column) const {
  if (version_ == kPacketV2 && fields_[column].type == kTypeInt) return static_cast<int32_t>(LoadU32(At(row, column)));
  if (version_ == kPacketV2 && fields_[column].type == kTypeChar) return TextToInt(CharText(*At(row, column)));
  if (version_ == kPacketV2 && fields_[column].type == kTypeFloat) return TextToInt(Text(row, column));
  return TextToInt(Bytes(row, column));
}

double PacketReader::Double(size_t row, size_t column) const {
  if (version_ == kPacketV2 && fields_[column].type == kTypeFloat) {
    double value;
    std::memcpy(&value, At(row, column), sizeof value);
    return value;
  }
  if (version_ == kPacketV2 && fields_[column].type == kTypeInt) return static_cast<int32_t>(LoadU32(At(row, column)));
  if (version_ == kPacketV2 && fields_[column].type == kTypeChar) return TextToDouble(CharText(*At(row, column)));
  return TextToDouble(Bytes(row, column));
}

char PacketReader::Char(size_t row, size_t column) const {
  if (version_ == kPacketV2 && fields_[column].type == kTypeChar) return *At(row, column);
  if (version_ == kPacketV2 && fields_[column].type != kTypeString && fields_[column].type != kTypeRaw) {
    return TextToChar(Text(row, column));
  }
  return TextToChar(Bytes(row, column));
}

}  // namespace ruzi::sdk
