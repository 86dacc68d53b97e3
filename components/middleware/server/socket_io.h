#pragma once
// Small POSIX socket pieces shared by the server and the native client: an owning file
// descriptor and a write that sends everything or reports the peer gone (never SIGPIPE).
#include <chrono>
#include <cstdint>
#include <string_view>

namespace ruzi::mwd {

class UniqueFd {
 public:
  UniqueFd() = default;
  explicit UniqueFd(int fd) : fd_(fd) {}
  ~UniqueFd() { Reset(); }
  UniqueFd(UniqueFd&& other) noexcept : fd_(other.Release()) {}
  UniqueFd& operator=(UniqueFd&& other) noexcept {
    if (this != &other) {
      Reset();
      fd_ = other.Release();
    }
    return *this;
  }
  UniqueFd(const UniqueFd&) = delete;
  UniqueFd& operator=(const UniqueFd&) = delete;

  int Get() const { return fd_; }
  bool Valid() const { return fd_ >= 0; }
  int Release() {
    int fd = fd_;
    fd_ = -1;
    return fd;
  }
  void Reset();

 private:
  int fd_ = -1;
};

// The socket's receive time-out (SO_RCVTIMEO), changed only when the wanted value changes, so
// a connection that always waits the same way pays no system call for it.
class ReceiveTimeout {
 public:
  explicit ReceiveTimeout(int fd) : fd_(fd) {}
  // 0: wait without limit.
  void Set(uint32_t milliseconds);

 private:
  int fd_;
  uint32_t current_ = 0;
};

// False when the peer has gone.
bool SendAll(int fd, std::string_view bytes);
// Both pieces, in one system call when the socket takes them. With a deadline, a peer that
// keeps taking a little at a time is still cut there (the send time-out alone restarts with
// every piece taken).
bool SendAll(int fd, std::string_view head, std::string_view tail,
             std::chrono::steady_clock::time_point deadline = std::chrono::steady_clock::time_point::max());
// A send that cannot go on for this long fails (a client that stops reading its answers
// must not hold a connection thread for ever).
void SetSendTimeout(int fd, uint32_t milliseconds);
// Turns off Nagle's delay: every frame is one request or one answer, sent at once.
void SetNoDelay(int fd);

}  // namespace ruzi::mwd
