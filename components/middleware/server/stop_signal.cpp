#include "stop_signal.h"

namespace ruzi::mwd {

void StopSignal::Stop() {
  {
    std::lock_guard<std::mutex> guard(lock_);
    stopping_ = true;
  }
  changed_.notify_all();
}

bool StopSignal::Stopping() const {
  std::lock_guard<std::mutex> guard(lock_);
  return stopping_;
}

WaitOutcome StopSignal::Wait(std::chrono::milliseconds duration, std::optional<SteadyTime> deadline) {
  SteadyTime end = std::chrono::steady_clock::now() + duration;
  bool cut = deadline.has_value() && *deadline < end;
  if (cut) end = *deadline;
  std::unique_lock<std::mutex> guard(lock_);
  if (changed_.wait_until(guard, end, [&] { return stopping_; })) return WaitOutcome::Stopping;
  return cut ? WaitOutcome::DeadlinePassed : WaitOutcome::Elapsed;
}

}  // namespace ruzi::mwd
