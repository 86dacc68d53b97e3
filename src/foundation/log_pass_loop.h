#pragma once
// The loop both log threads run: a pass, then the next pass at once while work waits, else a
// wait of one period on the wake signal. A pass that throws is followed by one period's pause;
// a thread never ends because of an error. Stopping either abandons what is queued or, when
// draining, runs passes until nothing is left.
#include <atomic>
#include <cstdint>
#include <functional>

#include "foundation/wake_signal.h"

namespace ruzi {

inline constexpr uint32_t kLogPassPeriodMs = 10;

class LogPassLoop {
 public:
  // pass: one pass; returns whether work is still waiting. finish: the last act when draining.
  LogPassLoop(std::function<bool()> pass, std::function<bool()> work_waiting, std::function<void()> finish = {});

  void Run();
  void Wake() { wake_.Notify(); }
  // Without `wake` the thread is not signalled (at process exit it is gone, and the signal's
  // lock may have gone with it).
  void Stop(bool drain, bool wake = true);

 private:
  std::function<bool()> pass_;
  std::function<bool()> work_waiting_;
  std::function<void()> finish_;
  WakeSignal wake_;
  std::atomic<bool> terminated_{false};
  std::atomic<bool> drain_{false};
};

}  // namespace ruzi
