// Natively (the tests and benchmarks of the probes): plain sockets with poll.
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <string_view>

#include "frame_decoder.h"
#include "message_codec.h"
#include "probe_exchange.h"
#include "protocol_error.h"

namespace ruzi::sdk {
namespace {

constexpr uint32_t kMaxAnswerBytes = 4096;  // a probe answer is a few bytes; more is not ours

int MillisecondsLeft(ProbeClock::time_point deadline) {
  auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - ProbeClock::now()).count();
  return left > 0 ? static_cast<int>(left) : 0;
}

// 0 when `events` came in time.
int32_t WaitFor(int fd, short events, ProbeClock::time_point deadline) {
  for (;;) {
    pollfd ready{fd, events, 0};
    int count = ::poll(&ready, 1, MillisecondsLeft(deadline));
    if (count < 0 && errno == EINTR) continue;
    return count > 0 ? 0 : kProbeTimedOut;
  }
}

class Socket {
 public:
  ~Socket() {
    if (fd_ >= 0) ::close(fd_);
  }
  int32_t Connect(const std::string& host, uint16_t port, ProbeClock::time_point deadline);
  int32_t Send(std::string_view bytes, ProbeClock::time_point deadline);
  int32_t Receive(char* buffer, size_t size, ProbeClock::time_point deadline, size_t& got);

 private:
  int fd_ = -1;
};

int32_t Socket::Connect(const std::string& host, uint16_t port, ProbeClock::time_point deadline) {
  addrinfo hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* found = nullptr;
  if (::getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found) != 0 || found == nullptr) {
    return kProbeHostNotFound;
  }
  fd_ = ::socket(found->ai_family, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  int rc = fd_ < 0 ? -1 : ::connect(fd_, found->ai_addr, found->ai_addrlen);
  const int error = errno;
  ::freeaddrinfo(found);
  if (fd_ < 0 || (rc != 0 && error != EINPROGRESS)) return kProbeRefused;
  if (rc != 0) {
    if (WaitFor(fd_, POLLOUT, deadline) != 0) return kProbeTimedOut;
    int failure = 0;
    socklen_t size = sizeof failure;
    if (::getsockopt(fd_, SOL_SOCKET, SO_ERROR, &failure, &size) != 0 || failure != 0) return kProbeRefused;
  }
  int on = 1;
  ::setsockopt(fd_, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
  return 0;
}

int32_t Socket::Send(std::string_view bytes, ProbeClock::time_point deadline) {
  while (!bytes.empty()) {
    if (WaitFor(fd_, POLLOUT, deadline) != 0) return kProbeTimedOut;
    ssize_t sent = ::send(fd_, bytes.data(), bytes.size(), MSG_NOSIGNAL);
    if (sent < 0 && (errno == EINTR || errno == EAGAIN)) continue;
    if (sent <= 0) return kProbeClosed;
    bytes.remove_prefix(static_cast<size_t>(sent));
  }
  return 0;
}

int32_t Socket::Receive(char* buffer, size_t size, ProbeClock::time_point deadline, size_t& got) {
  for (;;) {
    if (WaitFor(fd_, POLLIN, deadline) != 0) return kProbeTimedOut;
    ssize_t count = ::recv(fd_, buffer, size, 0);
    if (count < 0 && (errno == EINTR || errno == EAGAIN)) continue;
    if (count <= 0) return kProbeClosed;
    got = static_cast<size_t>(count);
    return 0;
  }
}

}  // namespace

ProbeExchange ExchangeProbe(const std::string& host, uint16_t port, ProbeClock::time_point deadline) {
  ProbeExchange result;
  Socket socket;
  if ((result.error = socket.Connect(host, port, deadline)) != 0) return result;
  const std::string probe = mw::EncodeMessage(mw::ProbeRequest{}, kProbeSequence);
  const auto sent_at = ProbeClock::now();
  if ((result.error = socket.Send(probe, deadline)) != 0) return result;
  result.bytes_sent = probe.size();
  mw::FrameDecoder decoder(kMaxAnswerBytes);
  try {
    for (;;) {
      char buffer[256];
      size_t got = 0;
      if ((result.error = socket.Receive(buffer, sizeof buffer, deadline, got)) != 0) return result;
      result.bytes_received += got;
      decoder.Feed(buffer, got);
      if (auto frame = decoder.Next()) {
        result.delay_ms = std::chrono::duration<double, std::milli>(ProbeClock::now() - sent_at).count();
        mw::Message message = mw::DecodeMessage(*frame);
        const auto* reply = std::get_if<mw::ProbeReply>(&message);
        if (reply == nullptr || frame->sequence != kProbeSequence) {
          result.error = kProbeBadAnswer;
          return result;
        }
        result.reply = *reply;
        return result;
      }
    }
  } catch (const mw::ProtocolError&) {
    result.error = kProbeBadAnswer;
    return result;
  }
}

}  // namespace ruzi::sdk
