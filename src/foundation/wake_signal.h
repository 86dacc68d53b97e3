#pragma once
// How an idle background thread waits: on a condition with a period, woken early when work
// arrives. Notify costs a producer one atomic load unless the thread is actually asleep.
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>

namespace ruzi {

class WakeSignal {
 public:
  void Notify() {
    // A notify that misses a thread just going to sleep costs at most one period.
    if (!sleeping_.load()) return;
    std::lock_guard guard(lock_);
    woken_ = true;
    condition_.notify_one();
  }

  // Waits up to `milliseconds`, unless work_waiting() says there is work already.
  void Wait(uint32_t milliseconds, const std::function<bool()>& work_waiting) {
    std::unique_lock guard(lock_);
    sleeping_.store(true);
    // Checked after announcing the sleep: a push that missed the flag is seen here.
    if (!woken_ && !work_waiting()) {
      condition_.wait_for(guard, std::chrono::milliseconds(milliseconds), [this] { return woken_; });
    }
    sleeping_.store(false);
    woken_ = false;
  }

 private:
  std::mutex lock_;
  std::condition_variable condition_;
  std::atomic<bool> sleeping_{false};
  bool woken_ = false;
};

}  // namespace ruzi
