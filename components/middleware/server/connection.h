#pragma once
// One client connection and its context: the sign-on state and the session it holds. The
// connection's own thread reads frames and answers them in order; a malformed frame or a
// frame left half sent for too long ends this connection and nothing else.
#include <cstdint>
#include <string>

#include "frame.h"
#include "messages.h"
#include "service.h"

namespace ruzi::mwd {

struct ServerState;

class Connection {
 public:
  Connection(ServerState& state, int fd, uint64_t id) : state_(state), fd_(fd), id_(id) {}
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
  void EndSession();
  std::string Name() const;

  ServerState& state_;
  int fd_;
  uint64_t id_;
  uint32_t session_ = 0;  // 0: not signed on
  std::string user_;
  std::string client_;
};

}  // namespace ruzi::mwd
