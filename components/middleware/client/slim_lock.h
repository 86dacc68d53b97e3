#pragma once
// A mutex over a Win32 slim reader/writer lock, for std::lock_guard. Under Wine a contended
// std::mutex (winpthreads) sleeps on an event, two round trips to the Wine server per wait;
// an SRW lock sleeps on an address inside the process. Sixteen threads each opening a
// connection per call meet on the process-wide locks often enough for that to show.
#include <windows.h>

namespace ruzi::wsclient {

class SlimLock {
 public:
  SlimLock() = default;
  SlimLock(const SlimLock&) = delete;
  SlimLock& operator=(const SlimLock&) = delete;

  void lock() { AcquireSRWLockExclusive(&lock_); }
  bool try_lock() { return TryAcquireSRWLockExclusive(&lock_) != 0; }
  void unlock() { ReleaseSRWLockExclusive(&lock_); }

 private:
  SRWLOCK lock_ = SRWLOCK_INIT;
};

}  // namespace ruzi::wsclient
