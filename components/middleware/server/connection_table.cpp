#include "connection_table.h"

#include <sys/socket.h>
#include <unistd.h>

namespace ruzi::mwd {

bool ConnectionTable::Add(uint64_t id, int fd, const std::string& peer_address, uint32_t cap, uint32_t per_peer_cap) {
  std::lock_guard<std::mutex> guard(lock_);
  if (sockets_.size() >= cap) return false;
  uint32_t& from_peer = per_peer_[peer_address];
  if (from_peer >= per_peer_cap) return false;
  ++from_peer;
  sockets_[id] = Entry{fd, peer_address};
  return true;
}

void ConnectionTable::RemoveAndClose(uint64_t id) {
  std::lock_guard<std::mutex> guard(lock_);
  auto it = sockets_.find(id);
  if (it == sockets_.end()) return;
  ::close(it->second.fd);
  auto peer = per_peer_.find(it->second.peer_address);
  if (peer != per_peer_.end() && --peer->second == 0) per_peer_.erase(peer);
  sockets_.erase(it);
  if (sockets_.empty()) empty_.notify_all();
}

void ConnectionTable::ShutdownAll() {
  std::lock_guard<std::mutex> guard(lock_);
  for (const auto& [id, entry] : sockets_) ::shutdown(entry.fd, SHUT_RDWR);
}

void ConnectionTable::WaitEmpty() {
  std::unique_lock<std::mutex> guard(lock_);
  empty_.wait(guard, [&] { return sockets_.empty(); });
}

size_t ConnectionTable::Count() {
  std::lock_guard<std::mutex> guard(lock_);
  return sockets_.size();
}

}  // namespace ruzi::mwd
