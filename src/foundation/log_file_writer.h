#pragma once
// The work of one log file: takes lines from its queue, at most 1000 a pass, formats them into
// a buffer and appends the buffer to the day's file once per pass. Once a minute at most it
// moves a file grown past the limit aside under the first free number; the date of the file
// follows the day on which the line is written.
#include <cstdint>
#include <string>

#include "foundation/log_message.h"
#include "foundation/log_writer_seams.h"
#include "foundation/my_queue.h"

namespace ruzi {

inline constexpr int kLogLinesPerPass = 1000;
inline constexpr uint32_t kLogSizeCheckPeriodMs = 60000;
inline constexpr int kLogFormatRetries = 20;
inline constexpr uint32_t kLogRetryPauseMs = 10;

class LogFileWriter {
 public:
  LogFileWriter(std::string key, double max_file_size_mb, std::string process_id, const LogWriterSeams& seams);
  LogFileWriter(const LogFileWriter&) = delete;
  LogFileWriter& operator=(const LogFileWriter&) = delete;

  void Push(TLogMessage* message) { Queue.Push(message); }
  // One pass; returns whether lines are still waiting. A flush that fails throws Error with
  // the system's text; its lines stay in the buffer, ahead of the next ones.
  bool WriteLog();
  // Writes whatever the buffer still holds (the last act of a draining writer).
  void FlushRemaining();

  std::string FileName;
  const std::string Key;
  const double MaxFileSizeMB;
  int FileSeq = 1;
  uint32_t LastSizeCheck = 0;
  std::string CurDate;
  std::string Buffer;
  int PendingCount = 0;
  TMyQueue Queue;

 private:
  void CheckSize();
  void FollowDate();
  void Flush();

  const std::string process_id_;
  const bool with_type_tag_;
  LogWriterSeams seams_;
};

}  // namespace ruzi
