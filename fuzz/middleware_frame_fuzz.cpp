// The middleware's frame decoder and message codec on hostile bytes. The first input byte
// picks the size of the pieces the stream arrives in. Every message that decodes must encode
// back to exactly the payload it came from (the codec has one spelling per message).
#include <cstdint>
#include <cstdlib>
#include <string>

#include "frame_decoder.h"
#include "message_codec.h"
#include "protocol_error.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  size_t piece = 1 + data[0] % 64;
  const char* bytes = reinterpret_cast<const char*>(data) + 1;
  size_t left = size - 1;
  ruzi::mw::FrameDecoder decoder(1u << 16);
  try {
    while (left > 0) {
      size_t now = piece < left ? piece : left;
      decoder.Feed(bytes, now);
      bytes += now;
      left -= now;
      while (auto frame = decoder.Next()) {
        try {
          ruzi::mw::Message message = ruzi::mw::DecodeMessage(*frame);
          std::string again = ruzi::mw::EncodeMessage(message, frame->sequence);
          if (again.substr(ruzi::mw::kFrameHeaderBytes) != frame->payload) std::abort();
          if (ruzi::mw::TypeOf(message) != frame->type) std::abort();
        } catch (const ruzi::mw::ProtocolError&) {
          // A malformed payload ends that message only; the stream goes on.
        }
      }
      if (decoder.Pending() > (1u << 16) + ruzi::mw::kFrameHeaderBytes + 64) std::abort();
    }
  } catch (const ruzi::mw::ProtocolError&) {
    // A bad header ends the stream.
  }
  return 0;
}
