#include "wire_reader.h"

#include "protocol_error.h"

namespace ruzi::mw {

void WireReader::Need(size_t count, const char* item) const {
  if (count > Left()) {
    throw ProtocolError(std::string("truncated item: ") + item);
  }
}

uint8_t WireReader::U8(const char* item) {
  Need(1, item);
  return static_cast<uint8_t>(bytes_[position_++]);
}

uint16_t WireReader::U16(const char* item) {
  Need(2, item);
  uint16_t low = static_cast<uint8_t>(bytes_[position_]);
  uint16_t high = static_cast<uint8_t>(bytes_[position_ + 1]);
  position_ += 2;
  return static_cast<uint16_t>(low | (high << 8));
}

uint32_t WireReader::U32(const char* item) {
  Need(4, item);
  uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<uint8_t>(bytes_[position_ + i]);
  position_ += 4;
  return value;
}

std::string WireReader::Bytes(const char* item) {
  uint32_t length = U32(item);
  Need(length, item);
  std::string value(bytes_.substr(position_, length));
  position_ += length;
  return value;
}

void WireReader::ExpectEnd() const {
  if (Left() != 0) throw ProtocolError("trailing bytes after the last item");
}

}  // namespace ruzi::mw
