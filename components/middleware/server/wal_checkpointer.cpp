#include "wal_checkpointer.h"

#include <cstdio>
#include <filesystem>

namespace ruzi::mwd {
namespace {

using Clock = std::chrono::steady_clock;

// How long a restart may wait for the write lock and for readers, in all.
constexpr auto kRestartWait = std::chrono::milliseconds(50);

// SQLite's busy handler: retries until the deadline in `context`, then gives up.
int RetryUntil(void* context, int) {
  if (Clock::now() >= *static_cast<Clock::time_point*>(context)) return 0;
  sqlite3_sleep(1);
  return 1;
}

}  // namespace

WalCheckpointer::WalCheckpointer(const std::string& path, std::chrono::milliseconds period, uint64_t max_wal_bytes)
    : connection_(path, DatabaseConnection::Access::ReadWrite),
      period_(period),
      wal_path_(path + "-wal"),
      max_wal_bytes_(max_wal_bytes) {
  // A connection reads the file's header only when first used: until then it does not know the
  // file is in WAL mode, and its checkpoints do nothing at all.
  Database::Exec(connection_.Get(), "PRAGMA journal_mode=WAL");
  sqlite3_busy_timeout(connection_.Get(), 0);  // a passive checkpoint that finds the lock taken tries next period
  thread_ = std::thread([this] { Run(); });
}

WalCheckpointer::~WalCheckpointer() {
  {
    std::lock_guard<std::mutex> guard(lock_);
    stopping_ = true;
  }
  wake_.notify_all();
  thread_.join();
}

void WalCheckpointer::Run() {
  std::unique_lock<std::mutex> guard(lock_);
  while (!wake_.wait_for(guard, period_, [&] { return stopping_; })) {
    guard.unlock();
    if (!restart_waiting_) Checkpoint(SQLITE_CHECKPOINT_PASSIVE);
    guard.lock();
  }
}

void WalCheckpointer::KeepWithinLimit(bool writer_idle) {
  std::error_code ignored;
  auto wal = std::filesystem::file_size(wal_path_, ignored);
  if (ignored || wal <= max_wal_bytes_) return;
  // A busy writer reuses the file rather than growing it again from nothing; only a write
  // cuts the file back, so with none coming it is emptied here.
  Checkpoint(writer_idle ? SQLITE_CHECKPOINT_TRUNCATE : SQLITE_CHECKPOINT_RESTART);
}

void WalCheckpointer::Checkpoint(int mode) {
  // The periodic checkpoint waits its turn; a restart asked for by the writer does not wait
  // behind a checkpoint under way: it is asked again, with the periodic ones paused till then.
  std::unique_lock<std::mutex> guard(connection_lock_, std::defer_lock);
  if (mode == SQLITE_CHECKPOINT_PASSIVE) {
    guard.lock();
  } else if (!guard.try_lock()) {
    restart_waiting_ = true;
    return;
  } else {
    restart_waiting_ = false;
  }
  sqlite3* db = connection_.Get();
  Clock::time_point deadline = Clock::now() + kRestartWait;
  if (mode != SQLITE_CHECKPOINT_PASSIVE) sqlite3_busy_handler(db, RetryUntil, &deadline);
  int result = sqlite3_wal_checkpoint_v2(db, nullptr, mode, nullptr, nullptr);
  if (mode != SQLITE_CHECKPOINT_PASSIVE) sqlite3_busy_timeout(db, 0);
  if (result != SQLITE_OK && result != SQLITE_BUSY) {
    std::fprintf(stderr, "ruzi-mwd: checkpoint failed: %s\n", sqlite3_errmsg(db));
  }
}

}  // namespace ruzi::mwd
