#include "packets/sdk_packet/sdk_packet_writer.h"

#include <algorithm>

#include "packets/sdk_packet/sdk_packet_layout.h"
#include "packets/sdk_packet/sdk_value_text.h"

namespace ruzi::sdk {

PacketWriter::PacketWriter(int version) : version_(version == kPacketV1 ? kPacketV1 : kPacketV2) {}

void PacketWriter::Start() {
  bytes_.assign(kHeaderBytes, '\0');
  bytes_[0] = static_cast<char>(version_);
  bytes_[1] = kPacketMagic[0];
  bytes_[2] = kPacketMagic[1];
  types_.clear();
  next_column_ = 0;
  rows_ = 0;
  error_.clear();
}

void PacketWriter::Release() {
  std::vector<char>().swap(bytes_);
  types_.clear();
  next_column_ = 0;
  rows_ = 0;
}

bool PacketWriter::Refuse(std::string reason) {
  error_ = std::move(reason);
  return false;
}

bool PacketWriter::DefineField(std::string_view name, char type, int32_t width, int32_t scale) {
  if (bytes_.empty()) Start();
  if (rows_ > 0 || next_column_ > 0) return Refuse("字段定义必须在数据之前");
  if (name.empty() || name.size() > kMaxFieldNameBytes || name.find('\0') != std::string_view::npos) {
    return Refuse("字段名不正确");
  }
  if (!IsFieldType(version_, type)) return Refuse(std::string("字段类型不正确: ") + type);
  if (width < 0 || scale < 0 || (version_ == kPacketV1 && (width > kMaxV1Width || scale > kMaxV1Scale))) {
    return Refuse("字段宽度或精度超出范围");
  }
  bytes_.push_back(static_cast<char>(name.size()));
  bytes_.insert(bytes_.end(), name.begin(), name.end());
  bytes_.push_back('\0');
  bytes_.push_back(type);
  if (version_ == kPacketV1) {
    bytes_.push_back(static_cast<char>(width & 0xFF));
    bytes_.push_back(static_cast<char>(width >> 8));
    bytes_.push_back(static_cast<char>(scale));
  } else {
    char numbers[8];
    StoreU32(numbers, static_cast<uint32_t>(width));
    StoreU32(numbers + 4, static_cast<uint32_t>(scale));
    bytes_.insert(bytes_.end(), numbers, numbers + 8);
  }
  types_.push_back(type);
  StoreU32(bytes_.data() + kFieldCountAt, static_cast<uint32_t>(types_.size()));
  return true;
}

bool PacketWriter::NextValueType(char& type) {
  if (bytes_.empty()) Start();
  if (types_.empty()) return Refuse("没有定义字段, 不能写入数据");
  type = types_[next_column_];
  return true;
}

void PacketWriter::ValueWritten() {
  if (++next_column_ < types_.size()) return;
  next_column_ = 0;
  StoreU32(bytes_.data() + kRowCountAt, ++rows_);
}

void PacketWriter::AppendText(std::string_view text) {
  bytes_.insert(bytes_.end(), text.begin(), text.end());
  bytes_.push_back('\0');
}

void PacketWriter::AppendBytes(const void* data, size_t size) {
  const char* begin = static_cast<const char*>(data);  // numbers as they are in memory: little-endian
  bytes_.insert(bytes_.end(), begin, begin + size);
}

void PacketWriter::AppendCounted(const void* data, size_t size, bool terminated) {
  const auto length = static_cast<uint32_t>(size);
  AppendBytes(&length, sizeof length);
  AppendBytes(data, size);
  if (terminated) bytes_.push_back('\0');
}

bool PacketWriter::PutText(std::string_view text) {
  char type = '\0';
  if (!NextValueType(type)) return false;
  if (version_ == kPacketV1) {
    std::string converted;
    switch (type) {
      case kTypeInt: converted = IntText(TextToInt(text)); break;
      case kTypeFloat: converted = DoubleText(TextToDouble(text)); break;
      case kTypeChar: converted = CharText(TextToChar(text)); break;
      default:
        if (text.find('\0') != std::string_view::npos) return Refuse("版本1的数据包不能含有NUL字符");
        AppendText(text);
        ValueWritten();
        return true;
    }
    AppendText(converted);
  } else {
    switch (type) {
      case kTypeInt: {
        const int32_t number = TextToInt(text);
        AppendBytes(&number, sizeof number);
        break;
      }
      case kTypeFloat: {
        const double number = TextToDouble(text);
        AppendBytes(&number, sizeof number);
        break;
      }
      case kTypeChar: bytes_.push_back(TextToChar(text)); break;
      default: AppendCounted(text.data(), text.size(), type == kTypeString); break;
    }
  }
  ValueWritten();
  return true;
}

bool PacketWriter::PutOwnText(std::string_view text) {
  AppendText(text);
  ValueWritten();
  return true;
}

bool PacketWriter::PutBinary(const void* value, size_t size) {
  AppendBytes(value, size);
  ValueWritten();
  return true;
}

bool PacketWriter::PutInt(int32_t value) {
  char type = '\0';
  if (!NextValueType(type)) return false;
  if (type != kTypeInt) return PutText(IntText(value));
  if (version_ == kPacketV1) return PutOwnText(IntText(value));
  return PutBinary(&value, sizeof value);
}

bool PacketWriter::PutDouble(double value) {
  char type = '\0';
  if (!NextValueType(type)) return false;
  if (type != kTypeFloat) return PutText(DoubleText(value));
  if (version_ == kPacketV1) return PutOwnText(DoubleText(value));
  return PutBinary(&value, sizeof value);
}

bool PacketWriter::PutChar(char value) {
  char type = '\0';
  if (!NextValueType(type)) return false;
  if (type != kTypeChar) return PutText(CharText(value));
  if (version_ == kPacketV1) return PutOwnText(CharText(value));
  return PutBinary(&value, sizeof value);
}

bool PacketWriter::PutRaw(const void* data, size_t size) {
  if (data == nullptr && size > 0) return Refuse("数据指针为空");
  if (size > UINT32_MAX - kHeaderBytes) return Refuse("数据过长");
  return PutText(std::string_view(static_cast<const char*>(data), size));
}

void PacketWriter::SetReturnCode(int32_t code) {
  if (bytes_.empty()) Start();
  StoreU32(bytes_.data() + kReturnCodeAt, static_cast<uint32_t>(code));
}

void PacketWriter::Finish() {
  if (bytes_.empty()) Start();
  while (next_column_ > 0) PutText({});
}

}  // namespace ruzi::sdk
