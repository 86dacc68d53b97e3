#pragma once
// TWriteLogThread: the background thread of one log file, running its LogFileWriter's passes.
#include <memory>

#include "foundation/log_file_writer.h"
#include "foundation/log_thread.h"

namespace ruzi {

class TWriteLogThread {
 public:
  explicit TWriteLogThread(std::shared_ptr<LogFileWriter> writer);

  LogFileWriter& Writer() { return *writer_; }
  void Start() { thread_.Start(); }
  // The dispatcher wakes a writer once per pass, not per line, so lines reach it in batches.
  void Push(TLogMessage* message) { writer_->Push(message); }
  void Wake() { thread_.Wake(); }
  LogThread& Thread() { return thread_; }

 private:
  std::shared_ptr<LogFileWriter> writer_;
  LogThread thread_;
};

}  // namespace ruzi
