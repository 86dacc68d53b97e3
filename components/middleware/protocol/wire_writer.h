#pragma once
// Appends the protocol's primitive items to a byte string: little-endian integers and
// length-prefixed byte strings (32-bit length, then the bytes, no terminator).
#include <cstdint>
#include <string>
#include <string_view>

namespace ruzi::mw {

class WireWriter {
 public:
  explicit WireWriter(std::string& out) : out_(out) {}

  void U8(uint8_t value) { out_.push_back(static_cast<char>(value)); }
  void U16(uint16_t value);
  void U32(uint32_t value);
  void I32(int32_t value) { U32(static_cast<uint32_t>(value)); }
  void Bytes(std::string_view bytes);

 private:
  std::string& out_;
};

}  // namespace ruzi::mw
