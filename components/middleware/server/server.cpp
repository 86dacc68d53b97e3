#include "server.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <thread>

#include "connection.h"
#include "error_numbers.h"
#include "message_codec.h"
#include "services.h"

namespace ruzi::mwd {
namespace {

[[noreturn]] void Fail(const std::string& what) { throw std::runtime_error(what + ": " + std::strerror(errno)); }

UniqueFd Listen(const std::string& address, uint16_t port, uint16_t& chosen) {
  UniqueFd fd(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0));
  if (!fd.Valid()) Fail("socket");
  int on = 1;
  ::setsockopt(fd.Get(), SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
  sockaddr_in where{};
  where.sin_family = AF_INET;
  where.sin_port = htons(port);
  if (::inet_pton(AF_INET, address.c_str(), &where.sin_addr) != 1) {
    throw std::runtime_error("not an IPv4 address: " + address);
  }
  if (::bind(fd.Get(), reinterpret_cast<sockaddr*>(&where), sizeof where) != 0) Fail("bind " + address);
  if (::listen(fd.Get(), SOMAXCONN) != 0) Fail("listen");
  socklen_t size = sizeof where;
  ::getsockname(fd.Get(), reinterpret_cast<sockaddr*>(&where), &size);
  chosen = ntohs(where.sin_port);
  return fd;
}

}  // namespace

Server::Server(ServerOptions options) : state_(std::make_unique<ServerState>(std::move(options))) {
  RegisterServices(state_->services, state_->options.demo_services);
  listener_ = Listen(state_->options.bind_address, state_->options.port, port_);
  int pipe_fds[2];
  if (::pipe2(pipe_fds, O_CLOEXEC | O_NONBLOCK) != 0) Fail("pipe");
  wake_read_ = UniqueFd(pipe_fds[0]);
  wake_write_ = UniqueFd(pipe_fds[1]);
  state_->log.Write("listening on " + state_->options.bind_address + ":" + std::to_string(port_));
}

Server::~Server() { Shutdown(); }

void Server::Stop() {
  char byte = 's';
  // A full pipe already holds a stop request.
  [[maybe_unused]] ssize_t ignored = ::write(wake_write_.Get(), &byte, 1);
}

void Server::Run() {
  pollfd waits[2] = {{listener_.Get(), POLLIN, 0}, {wake_read_.Get(), POLLIN, 0}};
  for (;;) {
    int ready = ::poll(waits, 2, -1);
    if (ready < 0) {
      if (errno == EINTR) continue;
      Fail("poll");
    }
    if ((waits[1].revents & POLLIN) != 0) break;
    if ((waits[0].revents & POLLIN) != 0) Accept();
  }
  Shutdown();
}

void Server::Accept() {
  sockaddr_in from{};
  socklen_t from_size = sizeof from;
  int fd = ::accept4(listener_.Get(), reinterpret_cast<sockaddr*>(&from), &from_size, SOCK_CLOEXEC);
  if (fd < 0) {
    // Out of descriptors or a connection reset before accept: keep serving the others.
    if (errno != EINTR && errno != EAGAIN && errno != ECONNABORTED) {
      state_->log.Write(std::string("accept failed: ") + std::strerror(errno));
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return;
  }
  char address[INET_ADDRSTRLEN] = "?";
  ::inet_ntop(AF_INET, &from.sin_addr, address, sizeof address);
  std::string peer_address = address;
  uint16_t peer_port = ntohs(from.sin_port);
  std::string peer = peer_address + ":" + std::to_string(peer_port);
  SetNoDelay(fd);
  SetSendTimeout(fd, state_->options.incomplete_frame_ms);
  uint64_t id = ++last_connection_;
  const ServerOptions& options = state_->options;
  if (!connections_.Add(id, fd, peer_address, options.max_connections, options.max_connections_per_peer)) {
    SendAll(fd, mw::EncodeMessage(mw::ErrorReply{mw::kMwLimit, "连接数已达上限"}, 0));
    ::close(fd);
    state_->log.Write("connection from " + peer + " refused: limit of " + std::to_string(options.max_connections) +
                      " connections, " + std::to_string(options.max_connections_per_peer) + " per address");
    return;
  }
  try {
    std::thread([this, fd, id, peer_address, peer_port] {
      {
        Connection connection(*state_, fd, id, peer_address, peer_port);
        connection.Serve();
      }
      connections_.RemoveAndClose(id);
    }).detach();
  } catch (const std::system_error& error) {
    state_->log.Write(std::string("no thread for a connection: ") + error.what());
    connections_.RemoveAndClose(id);
  }
}

void Server::Shutdown() {
  if (shut_down_) return;
  shut_down_ = true;
  listener_.Reset();
  state_->stop.Stop();
  connections_.ShutdownAll();
  connections_.WaitEmpty();
  state_->audit.Flush();
  state_->log.Write("stopped");
}

}  // namespace ruzi::mwd
