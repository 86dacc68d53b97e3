#pragma once
// The work of one log file, done on the log writer's thread: lines are formatted into a
// buffer, at most 1000 a pass, and the buffer is appended to the day's file once per pass.
// Once a minute at most a file grown past the limit is moved aside under the first free
// number; the date of the file follows the day on which the line is written.
//
// An append that fails keeps what did not reach the file, and only that, for the next one;
// the first append that succeeds after failures adds a line saying how many there were.
// Every step leaves the writer in a state another thread can finish from, should the
// writer's thread be stopped anywhere (the process exiting under it). The file stays open
// between appends; it is closed to be moved aside and when the day's file changes.
#include <atomic>
#include <cstdint>
#include <deque>
#include <exception>
#include <memory>
#include <string>

#include "foundation/log_message.h"
#include "foundation/log_producer_queue.h"
#include "foundation/log_writer_seams.h"
#include "platform/clock.h"
#include "platform/file_system.h"

namespace ruzi {

inline constexpr int kLogLinesPerPass = 1000;
inline constexpr uint32_t kLogSizeCheckPeriodMs = 60000;
inline constexpr int kLogFormatRetries = 20;
inline constexpr uint32_t kLogRetryPauseMs = 10;

// Which call to the file system the writer's thread is in.
enum class FileCall : int {
  kNone,
  kByPath,           // looks a path up: opens, creates, sizes or renames a file
  kThroughHeldFile,  // appends to or sizes a file it holds open
};

// What every file of one log writer shares, read by any thread.
struct LogCounters {
  std::atomic<int64_t> written{0};        // lines on disk
  std::atomic<int64_t> dropped{0};        // lines given up after 20 failures to buffer them
  std::atomic<int64_t> failed_writes{0};  // appends that did not reach the file whole
  std::atomic<FileCall> in_file_call{FileCall::kNone};
  // Under Wine a thread killed inside a call by path can leave the process's channel that
  // hands over file descriptors out of step, and the next descriptor any thread fetches then
  // aborts the process. Finishing after such a thread, the files are only appended to through
  // the handles already held (their descriptors fetched long before); nothing is opened.
  std::atomic<bool> held_files_only{false};
};

// Marks a call to the file system for as long as it lasts.
class InFileCall {
 public:
  InFileCall(LogCounters& counters, FileCall call) : flag_(counters.in_file_call) { flag_.store(call); }
  ~InFileCall() { flag_.store(FileCall::kNone); }
  InFileCall(const InFileCall&) = delete;
  InFileCall& operator=(const InFileCall&) = delete;

 private:
  std::atomic<FileCall>& flag_;
};

class LogFileWriter {
 public:
  LogFileWriter(std::string key, double max_file_size_mb, std::string process_id, const LogWriterSeams& seams,
                LogCounters& counters);
  LogFileWriter(const LogFileWriter&) = delete;
  LogFileWriter& operator=(const LogFileWriter&) = delete;

  // Marks where this pass begins, so a pass stopped part-way can be rolled back.
  void BeginPass();
  void RollBackPass();
  // Buffers one line, stamped at `time`. One that cannot be buffered is kept for a retry at
  // the tail.
  void Take(const LogRecord& record, const platform::LocalDateTime& time);
  // The lines kept for a retry, each at most 20 times in all; the 20th failure drops the line
  // and throws.
  void RetryFailed();
  bool HasRetries() const { return !retries_.empty(); }
  int LinesThisPass() const { return lines_this_pass_; }

  // Appends what this pass buffered. Returns the lines that reached the file; a failure
  // throws Error with the system's text, keeping the rest for the next append.
  int64_t Flush();
  // Appends whatever the buffer holds, lines of this pass or not (a draining writer's last act).
  int64_t FlushRemaining();
  // After the thread was stopped inside Flush: counts what reached the file.
  void RecoverFlush();

  std::string FileName;
  const std::string Key;
  const double MaxFileSizeMB;
  int FileSeq = 1;
  uint32_t LastSizeCheck = 0;
  std::string CurDate;
  std::string Buffer;
  int PendingCount = 0;

 private:
  void CheckSize();
  void FollowDate();
  // Checks, then append_line(); false (the buffer as it was) when either throws.
  template <typename AppendLine>
  bool Buffered(AppendLine append_line, std::exception_ptr& failure);
  int64_t Write();
  uint32_t Append(std::string_view bytes);

  const std::string process_id_;
  const bool with_type_tag_;
  LogWriterSeams seams_;
  LogCounters& counters_;
  int cur_day_ = 0;
  std::deque<std::unique_ptr<TLogMessage>> retries_;
  int lines_this_pass_ = 0;
  size_t pass_start_bytes_ = 0;
  int64_t pass_start_lines_ = 0;
  int pass_start_pending_ = 0;
  // Lines in Buffer and how much of Buffer is already in the file.
  int64_t buffered_lines_ = 0;
  size_t flushed_ = 0;
  std::unique_ptr<platform::AppendingFile> file_;  // FileName, once opened
  // The append in progress, if any.
  std::atomic<bool> flushing_{false};
  size_t flush_base_ = 0;
  platform::AppendProgress progress_;
  int64_t failures_unreported_ = 0;
  uint32_t last_error_ = 0;
};

}  // namespace ruzi
