#include "tcp_connection.h"

#include <winsock2.h>
#include <ws2tcpip.h>

#include <chrono>
#include <utility>

#include "winsock_startup.h"

namespace ruzi::mw {
namespace {

using Clock = std::chrono::steady_clock;

int MillisecondsLeft(Clock::time_point end) {
  auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now()).count();
  return left > 0 ? static_cast<int>(left) : 0;
}

SOCKET AsSocket(uintptr_t value) { return static_cast<SOCKET>(value); }

bool IsLostError(int error) {
  return error == WSAECONNRESET || error == WSAECONNABORTED || error == WSAENETRESET || error == WSAESHUTDOWN ||
         error == WSAENOTCONN;
}

}  // namespace

TcpConnection::TcpConnection(TcpConnection&& other) noexcept
    : socket_(std::exchange(other.socket_, kNoSocket)), failure_(other.failure_), system_error_(other.system_error_) {}

TcpConnection& TcpConnection::operator=(TcpConnection&& other) noexcept {
  if (this != &other) {
    Close();
    socket_ = std::exchange(other.socket_, kNoSocket);
    failure_ = other.failure_;
    system_error_ = other.system_error_;
  }
  return *this;
}

void TcpConnection::Close() {
  if (socket_ != kNoSocket) closesocket(AsSocket(std::exchange(socket_, kNoSocket)));
}

bool TcpConnection::Fail(NetFailure failure, int system_error) {
  failure_ = failure;
  system_error_ = system_error;
  if (failure != NetFailure::TimedOut) Close();
  return false;
}

int TcpConnection::WaitReady(bool write, int timeout_ms) {
  fd_set ready;
  FD_ZERO(&ready);
  FD_SET(AsSocket(socket_), &ready);
  fd_set failed;
  FD_ZERO(&failed);
  FD_SET(AsSocket(socket_), &failed);
  timeval limit{timeout_ms / 1000, (timeout_ms % 1000) * 1000};
  int count = select(0, write ? nullptr : &ready, write ? &ready : nullptr, write ? &failed : nullptr,
                     timeout_ms < 0 ? nullptr : &limit);
  if (count == SOCKET_ERROR) return -1;
  return count > 0 ? 1 : 0;
}

bool TcpConnection::Open(const std::string& host, uint16_t port, int timeout_ms) {
  Close();
  failure_ = NetFailure::None;
  system_error_ = 0;
  int startup_error = 0;
  if (!EnsureWinsock(&startup_error)) return Fail(NetFailure::Startup, startup_error);

  addrinfo hints{};
  hints.ai_family = AF_INET;
  hints.ai_socktype = SOCK_STREAM;
  hints.ai_protocol = IPPROTO_TCP;
  addrinfo* found = nullptr;
  int resolve_error = getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found);
  if (resolve_error != 0 || found == nullptr) return Fail(NetFailure::Resolve, resolve_error);

  const Clock::time_point end = Clock::now() + std::chrono::milliseconds(timeout_ms);
  NetFailure last_failure = NetFailure::Refused;
  int last_error = 0;
  for (addrinfo* address = found; address != nullptr; address = address->ai_next) {
    // Not inherited: a child process holding a copy would keep the connection open after
    // Close, and the server ends a session only when the connection closes.
    SOCKET s = WSASocketW(address->ai_family, address->ai_socktype, address->ai_protocol, nullptr, 0,
                          WSA_FLAG_OVERLAPPED | WSA_FLAG_NO_HANDLE_INHERIT);
    if (s == INVALID_SOCKET) {
      last_error = WSAGetLastError();
      continue;
    }
    socket_ = static_cast<uintptr_t>(s);
    // The socket never blocks, so every wait is ours to bound.
    u_long non_blocking = 1;
    ioctlsocket(s, FIONBIO, &non_blocking);
    int rc = connect(s, address->ai_addr, static_cast<int>(address->ai_addrlen));
    int error = rc == 0 ? 0 : WSAGetLastError();
    if (error == WSAEWOULDBLOCK || error == WSAEINPROGRESS) {
      int ready = WaitReady(true, MillisecondsLeft(end));
      if (ready == 0) {
        error = WSAETIMEDOUT;
      } else {
        int so_error = 0;
        int length = sizeof so_error;
        getsockopt(s, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&so_error), &length);
        error = ready < 0 ? WSAGetLastError() : so_error;
      }
    }
    if (error == 0) {
      BOOL no_delay = TRUE;
      setsockopt(s, IPPROTO_TCP, TCP_NODELAY, reinterpret_cast<const char*>(&no_delay), sizeof no_delay);
      freeaddrinfo(found);
      return true;
    }
    Close();
    last_error = error;
    last_failure = error == WSAETIMEDOUT ? NetFailure::TimedOut : NetFailure::Refused;
  }
  freeaddrinfo(found);
  failure_ = last_failure;
  system_error_ = last_error;
  return false;
}

bool TcpConnection::SendAll(std::string_view bytes, int timeout_ms) {
  if (!IsOpen()) return Fail(NetFailure::Lost, WSAENOTCONN);
  const Clock::time_point end = Clock::now() + std::chrono::milliseconds(timeout_ms);
  while (!bytes.empty()) {
    // The socket does not block: try first and wait only when there is no room, which saves
    // the Wine server a poll for every frame.
    int chunk = bytes.size() > (1u << 30) ? (1 << 30) : static_cast<int>(bytes.size());
    int sent = send(AsSocket(socket_), bytes.data(), chunk, 0);
    if (sent != SOCKET_ERROR) {
      bytes.remove_prefix(static_cast<size_t>(sent));
      continue;
    }
    const int error = WSAGetLastError();
    if (error != WSAEWOULDBLOCK) return Fail(NetFailure::Lost, error);
    int ready = WaitReady(true, MillisecondsLeft(end));
    if (ready == 0) {
      // Part of a frame may be out: the stream cannot be used again.
      Fail(NetFailure::TimedOut, WSAETIMEDOUT);
      Close();
      return false;
    }
    if (ready < 0) return Fail(NetFailure::Lost, WSAGetLastError());
  }
  return true;
}

size_t TcpConnection::Receive(char* buffer, size_t size, int timeout_ms) {
  if (!IsOpen()) {
    Fail(NetFailure::Lost, WSAENOTCONN);
    return 0;
  }
  const Clock::time_point end = Clock::now() + std::chrono::milliseconds(timeout_ms < 0 ? 0 : timeout_ms);
  for (;;) {
    // An answer is seldom there already: wait first, then read.
    int ready = WaitReady(false, timeout_ms < 0 ? -1 : MillisecondsLeft(end));
    if (ready <= 0) {
      Fail(ready == 0 ? NetFailure::TimedOut : NetFailure::Lost, ready == 0 ? WSAETIMEDOUT : WSAGetLastError());
      return 0;
    }
    int chunk = size > (1u << 30) ? (1 << 30) : static_cast<int>(size);
    int got = recv(AsSocket(socket_), buffer, chunk, 0);
    if (got > 0) return static_cast<size_t>(got);
    const int error = got == 0 ? WSAECONNRESET : WSAGetLastError();
    if (error != WSAEWOULDBLOCK) {
      Fail(NetFailure::Lost, error);
      return 0;
    }
  }
}

bool TcpConnection::PeerGone() {
  if (!IsOpen()) return true;
  if (WaitReady(false, 0) <= 0) return false;
  char byte;
  int got = recv(AsSocket(socket_), &byte, 1, MSG_PEEK);
  if (got > 0) return false;
  int error = got == 0 ? WSAECONNRESET : WSAGetLastError();
  if (got < 0 && !IsLostError(error)) return false;
  Fail(NetFailure::Lost, error);
  return true;
}

const char* NetFailureText(NetFailure failure) {
  switch (failure) {
    case NetFailure::None:
      return "无错误";
    case NetFailure::Startup:
      return "网络组件无法启动";
    case NetFailure::Resolve:
      return "服务器地址无法解析";
    case NetFailure::Refused:
      return "无法连接到服务器";
    case NetFailure::TimedOut:
      return "网络等待超时";
    case NetFailure::Lost:
      return "与服务器的连接已断开";
  }
  return "未知网络错误";
}

}  // namespace ruzi::mw
