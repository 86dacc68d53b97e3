#pragma once
// TDealLogThread: the one dispatcher thread of a TqxWriteLogEx, moving queued messages to the
// writer of their file.
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
