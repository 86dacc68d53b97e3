#pragma once
// One background thread of the log writer running a LogPassLoop, and how it is let go of:
// the destructor's bounded wait (500 ms, polling every millisecond), no wait at all when the
// process is exiting (its threads are already gone), and under the loader lock no wait for a
// thread that could only start after we return.
#include <cstdint>
#include <functional>
#include <memory>

#include "foundation/log_pass_loop.h"
#include "platform/worker_thread.h"

namespace ruzi {

inline constexpr uint32_t kLogThreadStopWaitMs = 500;

struct LogThreadRelease {
  bool process_exiting = false;
  bool under_loader_lock = false;
  // From the unit registry: how the library is being unloaded right now.
  static LogThreadRelease Current();
};

class LogThread {
 public:
  explicit LogThread(std::shared_ptr<LogPassLoop> loop);
  ~LogThread();
  LogThread(const LogThread&) = delete;
  LogThread& operator=(const LogThread&) = delete;

  // Starts the thread; without it the loop is only driven by hand.
  void Start();
  void Wake() { loop_->Wake(); }
  // Stops after draining and waits as long as that takes.
  void DrainAndJoin();
  // Stops without draining, waits as described above and lets go. True when it had finished.
  bool StopAndRelease(LogThreadRelease mode);

 private:
  std::shared_ptr<LogPassLoop> loop_;
  std::unique_ptr<platform::WorkerThread> thread_;
};

}  // namespace ruzi
