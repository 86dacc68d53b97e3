#include "frame_channel.h"

#include <chrono>

#include "message_codec.h"
#include "protocol_error.h"

namespace ruzi::mw {
namespace {

using Clock = std::chrono::steady_clock;

}  // namespace

bool FrameChannel::Open(const std::string& host, uint16_t port, int timeout_ms) {
  decoder_ = FrameDecoder();
  protocol_broken_ = false;
  return link_.Open(host, port, timeout_ms);
}

void FrameChannel::Close() {
  link_.Close();
  decoder_ = FrameDecoder();
}

bool FrameChannel::Send(const Message& message, uint32_t sequence, int timeout_ms) {
  return link_.SendAll(EncodeMessage(message, sequence), timeout_ms);
}

std::optional<ReceivedMessage> FrameChannel::Receive(int timeout_ms) {
  const bool bounded = timeout_ms >= 0;
  const Clock::time_point end = Clock::now() + std::chrono::milliseconds(bounded ? timeout_ms : 0);
  char buffer[64 * 1024];
  try {
    for (;;) {
      if (auto frame = decoder_.Next()) return ReceivedMessage{frame->sequence, DecodeMessage(*frame)};
      int wait = -1;
      if (bounded) {
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now()).count();
        wait = left > 0 ? static_cast<int>(left) : 0;
      }
      size_t got = link_.Receive(buffer, sizeof buffer, wait);
      if (got == 0) return std::nullopt;
      decoder_.Feed(buffer, got);
    }
  } catch (const ProtocolError&) {
    protocol_broken_ = true;
    Close();
    return std::nullopt;
  }
}

}  // namespace ruzi::mw
