#include "frame_decoder.h"

#include <string_view>

#include "protocol_error.h"
#include "wire_reader.h"

namespace ruzi::mw {

void FrameDecoder::Feed(const char* data, size_t size) {
  // Drop handed-out bytes before growing, so the buffer never holds more than one frame
  // plus one read's worth of what follows it.
  if (start_ > 0 && (start_ == buffer_.size() || start_ >= buffer_.size() / 2)) {
    buffer_.erase(0, start_);
    start_ = 0;
  }
  buffer_.append(data, size);
}

std::optional<Frame> FrameDecoder::Next() {
  if (Pending() < kFrameHeaderBytes) return std::nullopt;
  WireReader header(std::string_view(buffer_).substr(start_, kFrameHeaderBytes));
  uint32_t body = header.U32("length");
  uint8_t magic0 = header.U8("magic");
  uint8_t magic1 = header.U8("magic");
  uint8_t version = header.U8("version");
  uint8_t type = header.U8("type");
  uint32_t sequence = header.U32("sequence");
  if (magic0 != static_cast<uint8_t>(kFrameMagic[0]) || magic1 != static_cast<uint8_t>(kFrameMagic[1])) {
    throw ProtocolError("bad frame magic");
  }
  if (version != kProtocolVersion) throw ProtocolError("unsupported protocol version");
  if (body < kBodyHeaderBytes) throw ProtocolError("frame length below header size");
  if (body > max_body_) throw ProtocolError("frame length above limit");
  if (!IsKnownMessageType(type)) throw ProtocolError("unknown message type");
  if (Pending() < kLengthFieldBytes + body) return std::nullopt;

  Frame frame;
  frame.type = static_cast<MessageType>(type);
  frame.sequence = sequence;
  frame.payload.assign(buffer_, start_ + kFrameHeaderBytes, body - kBodyHeaderBytes);
  start_ += kLengthFieldBytes + body;
  return frame;
}

}  // namespace ruzi::mw
