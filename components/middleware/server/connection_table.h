#pragma once
// The live connections' sockets, so a shutdown can wake every connection thread and wait
// until the last one has finished.
#include <condition_variable>
#include <cstdint>
#include <map>
#include <mutex>
#include <string>

namespace ruzi::mwd {

class ConnectionTable {
 public:
  // False when the cap, or the cap of the peer's address, is reached (the caller refuses
  // the connection).
  bool Add(uint64_t id, int fd, const std::string& peer_address, uint32_t cap, uint32_t per_peer_cap);
  // Called by the connection's thread as its last step; the socket is closed here, under the
  // lock, so a shutdown never touches a descriptor number that was already reused.
  void RemoveAndClose(uint64_t id);
  void ShutdownAll();
  void WaitEmpty();
  size_t Count();

 private:
  std::mutex lock_;
  std::condition_variable empty_;
  struct Entry {
    int fd;
    std::string peer_address;
  };
  std::map<uint64_t, Entry> sockets_;
  std::map<std::string, uint32_t> per_peer_;
};

}  // namespace ruzi::mwd
