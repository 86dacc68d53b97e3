#include "connection_table.h"

#include <sys/socket.h>
#include <unistd.h>

namespace ruzi::mwd {

bool ConnectionTable::Add(uint64_t id, int fd, uint32_t cap) {
  std::lock_guard<std::mutex> guard(lock_);
  if (sockets_.size() >= cap) return false;
  sockets_[id] = fd;
  return true;
}

void ConnectionTable::RemoveAndClose(uint64_t id) {
  std::lock_guard<std::mutex> guard(lock_);
  auto it = sockets_.find(id);
  if (it == sockets_.end()) return;
  ::close(it->second);
  sockets_.erase(it);
  if (sockets_.empty()) empty_.notify_all();
}

void ConnectionTable::ShutdownAll() {
  std::lock_guard<std::mutex> guard(lock_);
  for (const auto& [id, fd] : sockets_) ::shutdown(fd, SHUT_RDWR);
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
