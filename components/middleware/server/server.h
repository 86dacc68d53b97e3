#pragma once
// ruzi-mwd's server: listens on one TCP address, gives every accepted connection a thread
// and a context, and stops in order: no new connections, every connection woken and
// finished, the audit trail stored, the database closed.
#include <cstdint>
#include <memory>

#include "connection_table.h"
#include "server_options.h"
#include "server_state.h"
#include "socket_io.h"

namespace ruzi::mwd {

class Server {
 public:
  // Opens (and on first start creates) the database, registers the services and listens;
  // throws std::runtime_error when any of that fails.
  explicit Server(ServerOptions options);
  ~Server();
  Server(const Server&) = delete;
  Server& operator=(const Server&) = delete;

  uint16_t Port() const { return port_; }
  ServerState& State() { return *state_; }
  // Accepts until Stop(); returns after the orderly shutdown.
  void Run();
  // Safe from a signal handler and from any thread.
  void Stop();

 private:
  void Accept();
  void Shutdown();

  std::unique_ptr<ServerState> state_;
  UniqueFd listener_;
  UniqueFd wake_read_;
  UniqueFd wake_write_;
  uint16_t port_ = 0;
  uint64_t last_connection_ = 0;
  ConnectionTable connections_;
  bool shut_down_ = false;
};

}  // namespace ruzi::mwd
