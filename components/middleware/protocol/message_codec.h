#pragma once
// Messages to frames and back. Decoding is strict: every field must be present, enumerations
// must hold known values and no byte may be left over, so two builds that disagree on a
// layout fail loudly instead of misreading each other.
#include <cstdint>
#include <string>
#include <string_view>

#include "frame.h"
#include "messages.h"

namespace ruzi::mw {

MessageType TypeOf(const Message& message);
std::string EncodePayload(const Message& message);
// The complete frame, length field included.
std::string EncodeMessage(const Message& message, uint32_t sequence);

// The same frame in two pieces that are sent back to back: everything up to the bytes of the
// message's data item, and those bytes as a view into the message (which must outlive it).
// A call's or reply's data is never copied on its way out.
struct EncodedFrame {
  std::string head;
  std::string_view tail;
};
EncodedFrame EncodeMessageParts(const Message& message, uint32_t sequence);
// Throws ProtocolError.
Message DecodeMessage(const Frame& frame);

}  // namespace ruzi::mw
