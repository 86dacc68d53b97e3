#pragma once
// Copies the WAL back into the database from a thread and connection of its own, so the
// thread that stores rows never waits for a checkpoint's reads, writes and syncs (the
// shared connection's automatic checkpoints are turned off). A passive checkpoint never
// holds up a writer; once it has caught up, the next write starts the WAL over.
//
// Under a load that never pauses a passive checkpoint never catches up (rows arrive while it
// copies), so the WAL would only grow. Each pass therefore looks at what the WAL holds after
// its passive copy: from half the limit on, it also takes the write lock for the little that
// arrived meanwhile (a restart checkpoint), and the next write starts the file over, cut back
// to the limit. Starting at half the limit leaves the other half for what arrives while a
// restart waits, so the limit is a ceiling, not just what a restart cuts the file back to.
// A restart waits a bounded time for the writer's transaction and for readers (audit reads
// are a statement each, so none holds a snapshot for long) and otherwise is tried next pass.
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

  // Follows what the WAL holds through the commits of `db`, the connection every write goes
  // through (its WAL hook: automatic checkpoints stay off).
  void Watch(sqlite3* db);
  // The writer, between two batches: once the WAL holds three quarters of its limit, waits
  // (a bounded time) for a pass to copy it back and let the next write start it over.
  void MakeRoom();

 private:
  void Run();
  // A passive checkpoint, and a restart when the WAL holds half its limit or more.
  void Pass();
  static int Committed(void* self, sqlite3*, const char*, int frames);

  DatabaseConnection connection_;
  const std::chrono::milliseconds period_;
  const uint64_t restart_from_bytes_;
  const uint64_t writer_waits_from_bytes_;
  uint64_t frame_bytes_ = 0;  // a page and its frame header
  std::atomic<int> frames_{0};  // in the WAL after the last commit
  std::mutex lock_;
  std::condition_variable wake_;
  std::condition_variable room_made_;
  uint64_t room_asked_ = 0;   // MakeRoom's asks, counted
  uint64_t room_passes_ = 0;  // asks a pass has answered
  bool stopping_ = false;
  std::thread thread_;
};

}  // namespace ruzi::mwd
