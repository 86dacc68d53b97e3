#include "native_client.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>

#include <cerrno>
#include <algorithm>
#include <chrono>
#include <cstring>
#include <stdexcept>

#include "message_codec.h"
#include "protocol_error.h"

namespace ruzi::mwd {
namespace {

using std::chrono::steady_clock;

int MillisecondsLeft(steady_clock::time_point end) {
  auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - steady_clock::now()).count();
  return left > 0 ? static_cast<int>(left) : 0;
}

}  // namespace

NativeClient::NativeClient(const std::string& host, uint16_t port) {
  addrinfo hints{};
  hints.ai_family = AF_INET;
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* found = nullptr;
  if (::getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found) != 0 || found == nullptr) {
    throw std::runtime_error("cannot resolve " + host);
  }
  fd_ = UniqueFd(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0));
  receive_timeout_ = ReceiveTimeout(fd_.Get());
  int rc = fd_.Valid() ? ::connect(fd_.Get(), found->ai_addr, found->ai_addrlen) : -1;
  ::freeaddrinfo(found);
  if (rc != 0) throw std::runtime_error("cannot connect to " + host + ":" + std::to_string(port) + ": " + std::strerror(errno));
  SetNoDelay(fd_.Get());
}

bool NativeClient::Send(const mw::Message& message, uint32_t sequence) {
  mw::EncodedFrame frame = mw::EncodeMessageParts(message, sequence);
  return fd_.Valid() && SendAll(fd_.Get(), frame.head, frame.tail);
}

bool NativeClient::SendRaw(std::string_view bytes) { return fd_.Valid() && SendAll(fd_.Get(), bytes); }

std::optional<mw::Message> NativeClient::Receive(int timeout_ms, uint32_t* sequence) {
  constexpr size_t kReadBytes = 64 * 1024;
  receive_timeout_.Set(static_cast<uint32_t>(std::max(timeout_ms, 1)));
  try {
    for (;;) {
      if (auto frame = decoder_.Next()) {
        if (sequence != nullptr) *sequence = frame->sequence;
        return mw::DecodeMessage(*frame);
      }
      ssize_t got = ::recv(fd_.Get(), decoder_.Reserve(kReadBytes), kReadBytes, 0);
      if (got < 0 && errno == EINTR) continue;
      if (got <= 0) return std::nullopt;
      decoder_.Commit(static_cast<size_t>(got));
    }
  } catch (const mw::ProtocolError&) {
    return std::nullopt;
  }
}

std::optional<mw::Message> NativeClient::Ask(const mw::Message& message, int timeout_ms) {
  uint32_t sequence = ++last_sequence_;
  if (!Send(message, sequence)) return std::nullopt;
  auto end = steady_clock::now() + std::chrono::milliseconds(timeout_ms);
  for (;;) {
    uint32_t got = 0;
    auto answer = Receive(timeout_ms, &got);
    if (!answer || got == sequence) return answer;
    if (steady_clock::now() >= end) return std::nullopt;
  }
}

std::optional<mw::Message> NativeClient::SignOn(const std::string& user, const std::string& password) {
  return Ask(mw::SignOnRequest{user, "127.0.0.1", password, mw::kSignOnMultiContext});
}

std::optional<mw::Message> NativeClient::Call(const std::string& service, std::string_view data, uint32_t timeout_ms,
                                              const std::string& route) {
  mw::CallRequest call;
  call.service = service;
  call.buffer_type = "STRING";
  call.timeout_ms = timeout_ms;
  call.flags = timeout_ms > 0 ? mw::kCallTimeoutOn : 0;
  call.route = route;
  call.data = std::string(data);
  // The client waits a little longer than the server, so the server's time-out answer arrives.
  return Ask(call, timeout_ms > 0 ? static_cast<int>(timeout_ms) + 5000 : 30000);
}

bool NativeClient::WaitClosed(int timeout_ms) {
  auto end = steady_clock::now() + std::chrono::milliseconds(timeout_ms);
  char buffer[4096];
  for (;;) {
    pollfd readable{fd_.Get(), POLLIN, 0};
    int ready = ::poll(&readable, 1, MillisecondsLeft(end));
    if (ready < 0 && errno == EINTR) continue;
    if (ready <= 0) return false;
    ssize_t got = ::recv(fd_.Get(), buffer, sizeof buffer, 0);
    if (got == 0 || (got < 0 && errno != EINTR)) return true;
  }
}

}  // namespace ruzi::mwd
