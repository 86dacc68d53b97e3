#include "wal_checkpointer.h"

#include <cstdio>

namespace ruzi::mwd {

WalCheckpointer::WalCheckpointer(const std::string& path, std::chrono::milliseconds period)
    : connection_(path, DatabaseConnection::Access::ReadWrite), period_(period), thread_([this] { Run(); }) {}

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
    int result = sqlite3_wal_checkpoint_v2(connection_.Get(), nullptr, SQLITE_CHECKPOINT_PASSIVE, nullptr, nullptr);
    if (result != SQLITE_OK && result != SQLITE_BUSY) {
      std::fprintf(stderr, "ruzi-mwd: checkpoint failed: %s\n", sqlite3_errmsg(connection_.Get()));
    }
    guard.lock();
  }
}

}  // namespace ruzi::mwd
