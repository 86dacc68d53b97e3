#include "wal_checkpointer.h"

#include <cstdio>

#include "thread_priority.h"

namespace ruzi::mwd {
namespace {

using Clock = std::chrono::steady_clock;

// How long a restart may wait for the write lock and for readers, in all.
constexpr auto kRestartWait = std::chrono::milliseconds(100);
constexpr uint64_t kFrameHeaderBytes = 24;
// How long the writer waits for room in the WAL before it writes anyway.
constexpr auto kRoomWait = std::chrono::milliseconds(500);

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
      restart_from_bytes_(max_wal_bytes / 2),
      writer_waits_from_bytes_(max_wal_bytes / 4 * 3) {
  // A connection reads the file's header only when first used: until then it does not know the
  // file is in WAL mode, and its checkpoints do nothing at all.
  Database::Exec(connection_.Get(), "PRAGMA journal_mode=WAL");
  {
    Statement page_size(connection_.Get(), "PRAGMA page_size");
    frame_bytes_ = (page_size.Step() ? static_cast<uint64_t>(page_size.Integer(0)) : 4096) + kFrameHeaderBytes;
  }
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

void WalCheckpointer::Watch(sqlite3* db) { sqlite3_wal_hook(db, &WalCheckpointer::Committed, this); }

int WalCheckpointer::Committed(void* self, sqlite3*, const char*, int frames) {
  static_cast<WalCheckpointer*>(self)->frames_.store(frames, std::memory_order_relaxed);
  return SQLITE_OK;
}

void WalCheckpointer::MakeRoom() {
  if (static_cast<uint64_t>(frames_.load(std::memory_order_relaxed)) * frame_bytes_ < writer_waits_from_bytes_) return;
  std::unique_lock<std::mutex> guard(lock_);
  const uint64_t ask = ++room_asked_;
  wake_.notify_all();
  room_made_.wait_for(guard, kRoomWait, [&] { return stopping_ || room_passes_ >= ask; });
}

void WalCheckpointer::Run() {
  RaiseThisThreadsPriority();
  std::unique_lock<std::mutex> guard(lock_);
  for (;;) {
    wake_.wait_for(guard, period_, [&] { return stopping_ || room_asked_ > room_passes_; });
    if (stopping_) return;
    const uint64_t answering = room_asked_;
    guard.unlock();
    Pass();
    guard.lock();
    room_passes_ = answering;
    room_made_.notify_all();
  }
}

void WalCheckpointer::Pass() {
  sqlite3* db = connection_.Get();
  int frames = 0;
  int copied = 0;
  int result = sqlite3_wal_checkpoint_v2(db, nullptr, SQLITE_CHECKPOINT_PASSIVE, &frames, &copied);
  if (result == SQLITE_OK && frames > 0 && static_cast<uint64_t>(frames) * frame_bytes_ >= restart_from_bytes_) {
    Clock::time_point deadline = Clock::now() + kRestartWait;
    sqlite3_busy_handler(db, RetryUntil, &deadline);
    result = sqlite3_wal_checkpoint_v2(db, nullptr, SQLITE_CHECKPOINT_RESTART, nullptr, nullptr);
    sqlite3_busy_timeout(db, 0);
  }
  if (result != SQLITE_OK && result != SQLITE_BUSY) {
    std::fprintf(stderr, "ruzi-mwd: checkpoint failed: %s\n", sqlite3_errmsg(db));
  }
}

}  // namespace ruzi::mwd
