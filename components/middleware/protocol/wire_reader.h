#pragma once
// Reads the items WireWriter writes from a bounded byte range. Every read checks the bytes
// left first, so a hostile length can never reach past the end; a short read throws
// ProtocolError naming the item.
#include <cstdint>
#include <string>
#include <string_view>

namespace ruzi::mw {

class WireReader {
 public:
  explicit WireReader(std::string_view bytes) : bytes_(bytes) {}

  uint8_t U8(const char* item);
  uint16_t U16(const char* item);
  uint32_t U32(const char* item);
  int32_t I32(const char* item) { return static_cast<int32_t>(U32(item)); }
  std::string Bytes(const char* item);

  size_t Left() const { return bytes_.size() - position_; }
  // Throws unless every byte was read: trailing bytes mean the peer speaks another layout.
  void ExpectEnd() const;

 private:
  void Need(size_t count, const char* item) const;

  std::string_view bytes_;
  size_t position_ = 0;
};

}  // namespace ruzi::mw
