#pragma once
// The server's "stopping" state, and the one way a service waits: a wait ends early when
// the call's deadline passes or the server stops, so no thread sleeps through a shutdown.
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>

namespace ruzi::mwd {

using SteadyTime = std::chrono::steady_clock::time_point;

enum class WaitOutcome { Elapsed, DeadlinePassed, Stopping };

class StopSignal {
 public:
  void Stop();
  bool Stopping() const;
  WaitOutcome Wait(std::chrono::milliseconds duration, std::optional<SteadyTime> deadline);

 private:
  mutable std::mutex lock_;
  std::condition_variable changed_;
  bool stopping_ = false;
};

}  // namespace ruzi::mwd
