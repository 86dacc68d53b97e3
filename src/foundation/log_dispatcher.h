#pragma once
// The state the dispatcher thread works on: the queue every AddLog pushes to, the table of
// writers by file key, the threshold and its periodic re-read. Only the dispatcher touches the
// table while it runs; the owner takes it over once the dispatcher has stopped.
#include <atomic>
#include <cstdint>
#include <string>

#include "foundation/log_thread.h"
#include "foundation/log_writer_seams.h"
#include "foundation/my_queue.h"
#include "foundation/str_order_list.h"
#include "foundation/write_log_thread.h"

namespace ruzi {

inline constexpr uint32_t kLogLevelCheckPeriodMs = 10000;

class LogDispatcher {
 public:
  LogDispatcher(std::string log_path, std::string base_name, double max_file_size_mb, std::string ini_file_name,
                LogWriterSeams seams);
  ~LogDispatcher();
  LogDispatcher(const LogDispatcher&) = delete;
  LogDispatcher& operator=(const LogDispatcher&) = delete;

  // One pass: at most 1000 messages to their writers. Returns whether messages still wait.
  bool DealLog();
  // Runs one pass of every writer, as their threads would (tests driving the writer by hand).
  void RunWriterPasses();
  // After the dispatcher has stopped: drain every writer and wait for it.
  void DrainWriters();
  // After the dispatcher has stopped: stop every writer as the destructor does and free them.
  void ReleaseWriters(LogThreadRelease mode);

  const std::string LogPath;
  const std::string BaseName;
  std::atomic<int> LogLevel;
  const double MaxFileSizeMB;
  const std::string IniFileName;
  uint32_t LastLevelCheck;
  TMyQueue Queue;
  const std::string ProcessId;
  const LogWriterSeams Seams;

 private:
  TWriteLogThread& WriterFor(const std::string& key);
  template <typename Fn>
  void ForEachWriter(Fn fn);

  TStrOrderList writers_;
  LogThreadRelease release_mode_;
};

}  // namespace ruzi
