#include "frame.h"

#include "wire_writer.h"

namespace ruzi::mw {

bool IsKnownMessageType(uint8_t value) {
  return value >= static_cast<uint8_t>(MessageType::SignOn) &&
         value <= static_cast<uint8_t>(MessageType::Error);
}

std::string EncodeFrame(MessageType type, uint32_t sequence, std::string_view payload) {
  std::string out;
  out.reserve(kFrameHeaderBytes + payload.size());
  WireWriter writer(out);
  writer.U32(static_cast<uint32_t>(kBodyHeaderBytes + payload.size()));
  writer.U8(static_cast<uint8_t>(kFrameMagic[0]));
  writer.U8(static_cast<uint8_t>(kFrameMagic[1]));
  writer.U8(kProtocolVersion);
  writer.U8(static_cast<uint8_t>(type));
  writer.U32(sequence);
  out.append(payload);
  return out;
}

}  // namespace ruzi::mw
