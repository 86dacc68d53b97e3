#pragma once
// One client connection and its context: the sign-on state and the session it holds. The
// connection's own thread reads frames and answers them in order; a malformed frame or a
// frame left half sent for too long ends this connection and nothing else.
#include <chrono>
#include <cstdint>
#include <string>

#include "credentials.h"

#include "frame.h"
#include "messages.h"
#include "service.h"

namespace ruzi::mwd {

struct ServerState;

class Connection {
 public:
  // The client's address and port are named in every log line about this connection;
  // failed sign-ons back off per address.
  Connection(ServerState& state, int fd, uint64_t id, std::string peer_address, uint16_t peer_port)
      : state_(state),
        fd_(fd),
        id_(id),
        peer_address_(std::move(peer_address)),
        peer_(peer_address_ + ":" + std::to_string(peer_port)) {}
  ~Connection();
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;

  // Runs until the peer leaves, breaks the protocol, or the server stops.
  void Serve();

 private:
  // False ends the connection.
  bool Handle(const mw::Frame& frame);
  bool Send(const mw::Message& message, uint32_t sequence);
  bool HandleSignOn(const mw::SignOnRequest& request, uint32_t sequence);
  bool HandleCall(const mw::CallRequest& request, uint32_t sequence);
  ServiceResult RunCall(const mw::CallRequest& request);
  // The answer to a call, or Error 5 when it would not fit in a frame.
  bool SendAnswer(ServiceResult& result, uint32_t sequence);
  void EndSession();
  std::string Name() const;

  ServerState& state_;
  int fd_;
  uint64_t id_;
  std::string peer_address_;
  std::string peer_;
  std::chrono::steady_clock::time_point unsigned_since_{};  // connected or signed off
  Role role_ = Role::None;
  uint32_t session_ = 0;  // 0: not signed on
  std::string user_;
  std::string client_;
};

}  // namespace ruzi::mwd
