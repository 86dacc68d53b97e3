#pragma once
// A blocking client of our protocol for native programs: the server's tests, the benchmark
// and scripts. One object is one connection; it is not shared between threads.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "frame_decoder.h"
#include "messages.h"
#include "socket_io.h"

namespace ruzi::mwd {

class NativeClient {
 public:
  // Throws std::runtime_error when the connection cannot be made.
  NativeClient(const std::string& host, uint16_t port);

  // The answer to `message`, or nothing when the connection ended or `timeout_ms` passed.
  // Answers with other sequence numbers (late replies) are skipped.
  std::optional<mw::Message> Ask(const mw::Message& message, int timeout_ms = 30000);
  std::optional<mw::Message> SignOn(const std::string& user, const std::string& password = "");
  std::optional<mw::Message> Call(const std::string& service, std::string_view data, uint32_t timeout_ms = 0,
                                  const std::string& route = "");

  bool Send(const mw::Message& message, uint32_t sequence);
  bool SendRaw(std::string_view bytes);
  // The next frame as a message, or nothing on close, a malformed frame, or no byte for
  // `timeout_ms`.
  std::optional<mw::Message> Receive(int timeout_ms, uint32_t* sequence = nullptr);
  // True when the server closes the connection within `timeout_ms` (whatever it sent first).
  bool WaitClosed(int timeout_ms);
  // Leaves without a word (the vanishing client).
  void Abandon() { fd_.Reset(); }
  int Fd() const { return fd_.Get(); }

 private:
  UniqueFd fd_;
  mw::FrameDecoder decoder_;
  ReceiveTimeout receive_timeout_{-1};
  uint32_t last_sequence_ = 0;
};

}  // namespace ruzi::mwd
