#include "wire_writer.h"

namespace ruzi::mw {

void WireWriter::U16(uint16_t value) {
  U8(static_cast<uint8_t>(value));
  U8(static_cast<uint8_t>(value >> 8));
}

void WireWriter::U32(uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) U8(static_cast<uint8_t>(value >> shift));
}

void WireWriter::Bytes(std::string_view bytes) {
  U32(static_cast<uint32_t>(bytes.size()));
  out_.append(bytes);
}

}  // namespace ruzi::mw
