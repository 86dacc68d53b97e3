#pragma once
// One TCP connection over Winsock whose every wait is bounded. Each failure keeps
// its kind and the Winsock error code, so callers can tell a wrong address from a refused
// connection, a time-out or a lost peer. Not shared between threads without a lock.
//
//   TcpConnection link;
//   if (!link.Open("127.0.0.1", 7000, 5000)) report(link.Failure(), link.SystemError());
//   link.SendAll(bytes, 5000);
//   int got = link.Receive(buffer, sizeof buffer, 5000);  // >0 bytes, 0 on failure
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace ruzi::mw {

enum class NetFailure {
  None,
  Startup,   // Winsock could not be started
  Resolve,   // the host name has no IPv4 address
  Refused,   // nobody accepts on that address and port (or the network is unreachable)
  TimedOut,  // the wait passed its bound
  Lost,      // the peer closed or reset the connection
};

class TcpConnection {
 public:
  TcpConnection() = default;
  ~TcpConnection() { Close(); }
  TcpConnection(TcpConnection&& other) noexcept;
  TcpConnection& operator=(TcpConnection&& other) noexcept;
  TcpConnection(const TcpConnection&) = delete;
  TcpConnection& operator=(const TcpConnection&) = delete;

  // Connects within `timeout_ms` (Nagle off: our frames are small requests and answers).
  bool Open(const std::string& host, uint16_t port, int timeout_ms);
  bool IsOpen() const { return socket_ != kNoSocket; }
  void Close();

  // Every byte, or false (the connection is then closed).
  bool SendAll(std::string_view bytes, int timeout_ms);
  // Waits up to `timeout_ms` (negative: no bound) for bytes; returns how many arrived, or 0
  // on failure (time-out leaves the connection open, anything else closes it).
  size_t Receive(char* buffer, size_t size, int timeout_ms);
  // True when the peer has closed or reset the connection; never waits, consumes nothing.
  bool PeerGone();

  NetFailure Failure() const { return failure_; }
  int SystemError() const { return system_error_; }

 private:
  static constexpr uintptr_t kNoSocket = ~uintptr_t{0};
  bool Fail(NetFailure failure, int system_error);
  // 1 ready, 0 time-out, -1 error; `write` waits for room to send instead of bytes to read.
  int WaitReady(bool write, int timeout_ms);

  uintptr_t socket_ = kNoSocket;
  NetFailure failure_ = NetFailure::None;
  int system_error_ = 0;
};

// Short GBK description of a failure kind, for messages.
const char* NetFailureText(NetFailure failure);

}  // namespace ruzi::mw
