#pragma once
// One unit on the wire: a 32-bit little-endian length, then the body it counts:
//   magic "RZ" (2 bytes), version (1 byte), message type (1 byte), sequence (32-bit), payload.
// The sequence is chosen by the side that asks and echoed by the side that answers, so a
// client can match replies to the calls it made and drop late ones.
#include <cstdint>
#include <string>
#include <string_view>

namespace ruzi::mw {

inline constexpr char kFrameMagic[2] = {'R', 'Z'};
inline constexpr uint8_t kProtocolVersion = 1;
inline constexpr size_t kLengthFieldBytes = 4;
// Body bytes before the payload: magic, version, type, sequence.
inline constexpr size_t kBodyHeaderBytes = 8;
inline constexpr size_t kFrameHeaderBytes = kLengthFieldBytes + kBodyHeaderBytes;
// Largest body a peer accepts unless configured otherwise (the server's --max-frame).
inline constexpr uint32_t kDefaultMaxBodyBytes = 16u * 1024u * 1024u;

enum class MessageType : uint8_t {
  SignOn = 1,
  SignOnOk = 2,
  SignOff = 3,
  SignOffOk = 4,
  Call = 5,
  CallOk = 6,
  Probe = 7,
  ProbeOk = 8,
  Error = 9,
};

bool IsKnownMessageType(uint8_t value);

// The payload is a view: into the decoder's buffer (valid until its next Feed or Reserve)
// or into whatever bytes the caller holds.
struct Frame {
  MessageType type = MessageType::Error;
  uint32_t sequence = 0;
  std::string_view payload;
};

std::string EncodeFrame(MessageType type, uint32_t sequence, std::string_view payload);

}  // namespace ruzi::mw
