#pragma once
// Copies the WAL back into the database from a thread and connection of its own, so the
// thread that stores rows never waits for a checkpoint's reads, writes and syncs (the
// shared connection's automatic checkpoints are turned off). A passive checkpoint never
// holds up a writer; once it has caught up, the next write starts the WAL over.
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

#include "database.h"

namespace ruzi::mwd {

class WalCheckpointer {
 public:
  WalCheckpointer(const std::string& path, std::chrono::milliseconds period);
  ~WalCheckpointer();  // stops after the checkpoint under way, if any
  WalCheckpointer(const WalCheckpointer&) = delete;
  WalCheckpointer& operator=(const WalCheckpointer&) = delete;

 private:
  void Run();

  DatabaseConnection connection_;
  const std::chrono::milliseconds period_;
  std::mutex lock_;
  std::condition_variable wake_;
  bool stopping_ = false;
  std::thread thread_;
};

}  // namespace ruzi::mwd
