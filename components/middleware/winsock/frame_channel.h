#pragma once
// Messages of our middleware protocol over one TcpConnection: send a message under a
// sequence number, receive the next complete frame within a bound. Both the transaction
// client and the SDK's probes talk to ruzi-mwd through this.
//
//   FrameChannel channel;
//   channel.Open(host, port, 5000);
//   channel.Send(mw::ProbeRequest{}, 1, 5000);
//   auto answer = channel.Receive(5000);  // nothing: see channel.Failure()
#include <cstdint>
#include <optional>
#include <string>

#include "frame_decoder.h"
#include "messages.h"
#include "tcp_connection.h"

namespace ruzi::mw {

struct ReceivedMessage {
  uint32_t sequence = 0;
  Message message;
};

class FrameChannel {
 public:
  bool Open(const std::string& host, uint16_t port, int timeout_ms);
  bool IsOpen() const { return link_.IsOpen(); }
  void Close();

  bool Send(const Message& message, uint32_t sequence, int timeout_ms);
  // The next message within `timeout_ms` (negative: no bound). Nothing on time-out (the
  // channel stays usable), on a lost peer or on a frame that breaks the protocol (closed).
  std::optional<ReceivedMessage> Receive(int timeout_ms);
  bool PeerGone() { return link_.PeerGone(); }

  // Why the last operation failed; a protocol breach counts as a lost connection.
  NetFailure Failure() const { return protocol_broken_ ? NetFailure::Lost : link_.Failure(); }
  int SystemError() const { return link_.SystemError(); }
  bool ProtocolBroken() const { return protocol_broken_; }

 private:
  TcpConnection link_;
  FrameDecoder decoder_;
  bool protocol_broken_ = false;
};

}  // namespace ruzi::mw
