#pragma once
// The state the log writer's background thread works on: every producing thread's queue, the
// files by key, the threshold and its periodic re-read. One pass reads each queue (at most
// 1000 lines a pass for any file), formats the lines into their files' buffers, and appends
// each buffer once.
//
// A pass moves through phases, each left in a state from which another thread can finish the
// work should this one be stopped anywhere (at process exit the system kills it where it
// stands): while formatting, nothing is released from the queues, so the buffers are rolled
// back; then the queues' read positions move; then the appends, each tracking how far it got.
#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "foundation/log_file_writer.h"
#include "foundation/log_producer_queues.h"
#include "foundation/log_writer_seams.h"
#include "foundation/str_order_list.h"

namespace ruzi {

inline constexpr uint32_t kLogLevelCheckPeriodMs = 10000;
// Lines after which a producer wakes the thread early; fewer wait for its period.
inline constexpr int64_t kLogWakeBatch = 1024;

class LogDispatcher {
 public:
  LogDispatcher(std::string log_path, std::string base_name, double max_file_size_mb, std::string ini_file_name,
                LogWriterSeams seams);
  ~LogDispatcher();
  LogDispatcher(const LogDispatcher&) = delete;
  LogDispatcher& operator=(const LogDispatcher&) = delete;

  // One pass. Returns whether lines still wait. An append or a line that fails throws, after
  // the rest of the pass is done.
  bool DealLog();
  // Appends whatever the buffers still hold (after the last pass of a drain).
  void FlushRemaining();
  // Whether a wake's worth of lines waits (the background thread's wait asks this: fewer
  // wait for its period, so it does not chase a producer line by line).
  bool WorkWaiting() const;
  // From another thread, once the background thread is stopped or gone: finishes the pass it
  // was stopped in and writes everything left. With `process_exiting` no lock is waited for:
  // one a killed thread held stays held.
  void WriteWhatIsLeft(bool process_exiting);

  // Lines accepted and not yet in a file.
  int64_t Unwritten();
  // The last pass had an append (or a line) fail.
  bool WriteFailing() const { return write_failing_.load(std::memory_order_relaxed); }

  const std::string LogPath;
  const std::string BaseName;
  std::atomic<int> LogLevel;
  const double MaxFileSizeMB;
  const std::string IniFileName;
  uint32_t LastLevelCheck;
  const std::string ProcessId;
  const LogWriterSeams Seams;
  LogProducerQueues Producers;
  LogCounters Counters;

 private:
  enum Phase : int { kIdle, kFormatting, kReleasing, kFlushing };
  struct Release {
    LogProducerQueue* queue;
    LogProducerQueue::Cursor upto;
  };

  LogFileWriter& WriterFor(std::string_view sub_name);
  template <typename Fn>
  void ForEachWriter(Fn fn);
  void RecoverStoppedPass();

  TStrOrderList writers_;
  std::vector<std::shared_ptr<LogProducerQueue>> queues_;
  std::vector<Release> releases_;
  std::atomic<int> phase_{kIdle};
  std::atomic<bool> write_failing_{false};
  bool exiting_ = false;
  platform::StampReading stamp_reading_;  // the passes' thread's, or whoever finishes for it
  LogFileWriter* last_writer_ = nullptr;
  std::string last_sub_name_;
};

}  // namespace ruzi
