#include "socket_io.h"

#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <sys/uio.h>
#include <unistd.h>

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

bool SendAll(int fd, std::string_view head, std::string_view tail) {
  while (!head.empty()) {
    iovec pieces[2] = {{const_cast<char*>(head.data()), head.size()}, {const_cast<char*>(tail.data()), tail.size()}};
    msghdr message{};
    message.msg_iov = pieces;
    message.msg_iovlen = tail.empty() ? 1 : 2;
    ssize_t sent = ::sendmsg(fd, &message, MSG_NOSIGNAL);
    if (sent < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    auto count = static_cast<size_t>(sent);
    if (count < head.size()) {
      head.remove_prefix(count);
      continue;
    }
    tail.remove_prefix(count - head.size());
    head = {};
  }
  return SendAll(fd, tail);
}

void SetNoDelay(int fd) {
  int on = 1;
  ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
}

}  // namespace ruzi::mwd
