#include "socket_io.h"

#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <sys/uio.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace ruzi::mwd {

void UniqueFd::Reset() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

bool SendAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t sent = ::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
    if (sent < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<size_t>(sent));
  }
  return true;
}

namespace {

void SetTimeout(int fd, int option, uint32_t milliseconds) {
  timeval wait{};
  wait.tv_sec = static_cast<time_t>(milliseconds / 1000);
  wait.tv_usec = static_cast<suseconds_t>((milliseconds % 1000) * 1000);
  ::setsockopt(fd, SOL_SOCKET, option, &wait, sizeof wait);
}

}  // namespace

void ReceiveTimeout::Set(uint32_t milliseconds) {
  if (milliseconds == current_) return;
  SetTimeout(fd_, SO_RCVTIMEO, milliseconds);
  current_ = milliseconds;
}

void SetSendTimeout(int fd, uint32_t milliseconds) { SetTimeout(fd, SO_SNDTIMEO, milliseconds); }

bool SendAll(int fd, std::string_view head, std::string_view tail, std::chrono::steady_clock::time_point deadline) {
  const bool bounded = deadline != std::chrono::steady_clock::time_point::max();
  const auto whole = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
  bool partial = false;
  bool changed = false;
  // After a partial send the socket's time-out is what is left until the deadline.
  auto before_next = [&] {
    if (!bounded || !partial) return true;
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) return false;
    SetSendTimeout(fd, static_cast<uint32_t>(left.count()));
    changed = true;
    return true;
  };
  // The next answer gets the whole time again.
  auto done = [&](bool sent) {
    if (changed) SetSendTimeout(fd, static_cast<uint32_t>(std::max<int64_t>(whole.count(), 1)));
    return sent;
  };
  while (!head.empty()) {
    if (!before_next()) return done(false);
    iovec pieces[2] = {{const_cast<char*>(head.data()), head.size()}, {const_cast<char*>(tail.data()), tail.size()}};
    msghdr message{};
    message.msg_iov = pieces;
    message.msg_iovlen = tail.empty() ? 1 : 2;
    ssize_t sent = ::sendmsg(fd, &message, MSG_NOSIGNAL);
    if (sent < 0) {
      if (errno == EINTR) continue;
      return done(false);
    }
    auto count = static_cast<size_t>(sent);
    partial = true;
    if (count < head.size()) {
      head.remove_prefix(count);
      continue;
    }
    tail.remove_prefix(count - head.size());
    head = {};
  }
  while (!tail.empty()) {
    if (!before_next()) return done(false);
    ssize_t sent = ::send(fd, tail.data(), tail.size(), MSG_NOSIGNAL);
    if (sent < 0) {
      if (errno == EINTR) continue;
      return done(false);
    }
    tail.remove_prefix(static_cast<size_t>(sent));
    partial = true;
  }
  return done(true);
}

void SetNoDelay(int fd) {
  int on = 1;
  ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
}

}  // namespace ruzi::mwd
