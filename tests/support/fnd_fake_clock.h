#pragma once
// A clock the test sets by hand: local time and tick count move only when told.
#include <atomic>
#include <mutex>

#include "platform/clock.h"

namespace ruzi::testing {

class FakeClock final : public platform::Clock {
 public:
  explicit FakeClock(platform::LocalDateTime now = {2026, 12, 3, 21, 44, 28, 123}) : now_(now) {}

  platform::LocalDateTime Now() override {
    std::lock_guard guard(lock_);
    return now_;
  }
  uint32_t Tick() override { return tick_.load(); }

  void Set(platform::LocalDateTime now) {
    std::lock_guard guard(lock_);
    now_ = now;
  }
  void AdvanceTicks(uint32_t milliseconds) { tick_ += milliseconds; }

 private:
  std::mutex lock_;
  platform::LocalDateTime now_;
  std::atomic<uint32_t> tick_{100000};
};

}  // namespace ruzi::testing
