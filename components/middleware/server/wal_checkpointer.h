#pragma once
// Copies the WAL back into the database from a thread and connection of its own, so the
// thread that stores rows never waits for a checkpoint's reads, writes and syncs (the
// shared connection's automatic checkpoints are turned off). A passive checkpoint never
// holds up a writer; once it has caught up, the next write starts the WAL over.
//
// Under a load that never pauses a passive checkpoint never catches up, so the audit writer,
// between two batches, asks for the WAL to be started over once it has grown past its limit.
// That waits for readers holding the write lock, so it waits a bounded time and otherwise
// gives up until the next ask: never is every service writing through the shared connection
// held for as long as a long audit read goes on. A restart never waits behind a periodic
// checkpoint either (their syncs can take long on a busy disk); instead, once one has found the
// connection taken, the periodic checkpoints pause until the next ask has run, so that under a
// load that never pauses the ask is not always beaten to the connection (the WAL then grew to
// ten times its limit in a soak).
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>

#include "database.h"

namespace ruzi::mwd {

class WalCheckpointer {
 public:
  WalCheckpointer(const std::string& path, std::chrono::milliseconds period, uint64_t max_wal_bytes);
  ~WalCheckpointer();  // stops after the checkpoint under way, if any
  WalCheckpointer(const WalCheckpointer&) = delete;
  WalCheckpointer& operator=(const WalCheckpointer&) = delete;

  // Over the WAL limit: copies the rest of the WAL and has the next write start it over
  // (reusing the file, cut back to the limit), or when no write is coming (`writer_idle`)
  // empties the file now; unless that would mean waiting longer than a few milliseconds.
  // Any thread.
  void KeepWithinLimit(bool writer_idle);

 private:
  void Run();
  void Checkpoint(int mode);

  DatabaseConnection connection_;
  const std::chrono::milliseconds period_;
  const std::string wal_path_;
  const uint64_t max_wal_bytes_;
  std::mutex connection_lock_;  // the connection serves this thread and KeepWithinLimit's
  std::atomic<bool> restart_waiting_{false};  // a restart found the connection taken: no periodic checkpoint
  std::mutex lock_;
  std::condition_variable wake_;
  bool stopping_ = false;
  std::thread thread_;
};

}  // namespace ruzi::mwd
