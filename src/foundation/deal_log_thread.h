#pragma once
// TDealLogThread: the one background thread of a TqxWriteLogEx. It reads every producing
// thread's queue and does each file's writing as a task of its own pass (one thread for all
// files: a line is copied once, from its queue into its file's buffer).
#include <memory>

#include "foundation/log_dispatcher.h"
#include "foundation/log_thread.h"

namespace ruzi {

class TDealLogThread {
 public:
  explicit TDealLogThread(std::shared_ptr<LogDispatcher> owner);

  void Start() { thread_.Start(); }
  void Wake() { thread_.Wake(); }
  LogThread& Thread() { return thread_; }

 private:
  std::shared_ptr<LogDispatcher> owner_;
  LogThread thread_;
};

}  // namespace ruzi
