#include "frame_decoder.h"

#include <cstring>
#include <string_view>

#include "protocol_error.h"
#include "wire_reader.h"

namespace ruzi::mw {
namespace {

// A buffer that once held a large frame goes back to this size when it runs empty.
constexpr size_t kIdleBufferBytes = 256 * 1024;

}  // namespace

char* FrameDecoder::Reserve(size_t size) {
  // Handed-out bytes are dropped first, so the buffer never holds more than one frame plus
  // one read's worth of what follows it.
  if (start_ > 0) {
    std::memmove(buffer_.data(), buffer_.data() + start_, end_ - start_);
    end_ -= start_;
    start_ = 0;
  }
  if (end_ == 0 && buffer_.size() > kIdleBufferBytes) {
    buffer_.clear();
    buffer_.shrink_to_fit();
  }
  if (buffer_.size() < end_ + size) buffer_.resize(end_ + size);
  return buffer_.data() + end_;
}

void FrameDecoder::Feed(const char* data, size_t size) {
  if (size == 0) return;
  std::memcpy(Reserve(size), data, size);
  Commit(size);
}

std::optional<Frame> FrameDecoder::Next() {
  if (Pending() < kFrameHeaderBytes) return std::nullopt;
  std::string_view pending(buffer_.data() + start_, Pending());
  WireReader header(pending.substr(0, kFrameHeaderBytes));
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
  frame.payload = pending.substr(kFrameHeaderBytes, body - kBodyHeaderBytes);
  start_ += kLengthFieldBytes + body;
  return frame;
}

}  // namespace ruzi::mw
