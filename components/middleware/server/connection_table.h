#pragma once
// The live connections' sockets, so a shutdown can wake every connection thread and wait
// until the last one has finished.
#include <condition_variable>
#include <cstdint>
#include <map>
#include <mutex>

namespace ruzi::mwd {

class ConnectionTable {
 public:
  // False when the cap is reached (the caller refuses the connection).
  bool Add(uint64_t id, int fd, uint32_t cap);
  // Called by the connection's thread as its last step; the socket is closed here, under the
  // lock, so a shutdown never touches a descriptor number that was already reused.
  void RemoveAndClose(uint64_t id);
  void ShutdownAll();
  void WaitEmpty();
  size_t Count();

 private:
  std::mutex lock_;
  std::condition_variable empty_;
  std::map<uint64_t, int> sockets_;
};

}  // namespace ruzi::mwd
