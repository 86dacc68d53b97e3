#include "foundation/log_file_writer.h"

#include <algorithm>

#include "foundation/date_time_value.h"
#include "foundation/error.h"
#include "foundation/local_time_text.h"
#include "foundation/log_file_names.h"
#include "foundation/log_line.h"
#include "platform/process_ids.h"
#include "platform/win32_error.h"

namespace ruzi {
namespace {

// What an append reports when its file is not open and may not be opened now.
constexpr uint32_t kFileNotOpen = 21;  // ERROR_NOT_READY

int DayNumber(const platform::LocalDateTime& time) { return time.year * 10000 + time.month * 100 + time.day; }

std::string FailureNotice(int64_t failures, uint32_t last_error) {
  return "写日志文件失败" + std::to_string(failures) + "次(最后一次: " + platform::Win32ErrorText(last_error) +
         ")，现已恢复写入";
}

}  // namespace

LogFileWriter::LogFileWriter(std::string key, double max_file_size_mb, std::string process_id,
                             const LogWriterSeams& seams, LogCounters& counters)
    : Key(std::move(key)),
      MaxFileSizeMB(max_file_size_mb),
      process_id_(std::move(process_id)),
      with_type_tag_(LogKeyWantsTypeTag(Key)),
      seams_(seams),
      counters_(counters) {
  const platform::LocalDateTime now = seams_.clock->Now();
  CurDate = DateText(now);
  cur_day_ = DayNumber(now);
  FileName = CurrentLogFileName(Key, CurDate);
  if (counters_.held_files_only.load()) return;
  InFileCall in_file_call(counters_, FileCall::kByPath);
  seams_.files->CreateEmptyFile(FileName);  // a failure shows at the first flush
}

void LogFileWriter::CheckSize() {
  const uint32_t now = seams_.clock->Tick();
  if (now - LastSizeCheck <= kLogSizeCheckPeriodMs || counters_.held_files_only.load()) return;
  InFileCall in_file_call(counters_, FileCall::kByPath);
  const int64_t size = seams_.files->FileSize(FileName);
  // Another writer may have moved the file aside under the one held: let go of it then.
  if (file_ && file_->Size() != size) file_.reset();
  if (size >= 0 && static_cast<double>(size) > MaxFileSizeMB * 1048576.0) {
    int number = FileSeq;
    while (seams_.files->FileExists(RotatedLogFileName(Key, CurDate, number))) ++number;
    file_.reset();
    seams_.files->RenameFile(FileName, RotatedLogFileName(Key, CurDate, number));
    FileSeq = number + 1;
    seams_.files->CreateEmptyFile(FileName);
  }
  LastSizeCheck = now;
}

void LogFileWriter::FollowDate() {
  const platform::LocalDateTime now = seams_.clock->Now();
  if (DayNumber(now) == cur_day_ || counters_.held_files_only.load()) return;
  FileSeq = 1;
  cur_day_ = DayNumber(now);
  CurDate = DateText(now);
  InFileCall in_file_call(counters_, FileCall::kByPath);
  file_.reset();
  FileName = CurrentLogFileName(Key, CurDate);
  seams_.files->CreateEmptyFile(FileName);
}

void LogFileWriter::BeginPass() {
  pass_start_bytes_ = Buffer.size();
  pass_start_lines_ = buffered_lines_;
  pass_start_pending_ = PendingCount;
  lines_this_pass_ = 0;
}

void LogFileWriter::RollBackPass() {
  if (Buffer.size() > pass_start_bytes_) Buffer.resize(pass_start_bytes_);
  buffered_lines_ = pass_start_lines_;
  PendingCount = pass_start_pending_;
  lines_this_pass_ = 0;
}

template <typename AppendLine>
bool LogFileWriter::Buffered(AppendLine append_line, std::exception_ptr& failure) {
  const size_t before = Buffer.size();
  ++lines_this_pass_;
  try {
    CheckSize();
    FollowDate();
    ++PendingCount;
    append_line();
  } catch (...) {
    Buffer.resize(std::min(before, Buffer.size()));
    failure = std::current_exception();
    return false;
  }
  ++buffered_lines_;
  return true;
}

void LogFileWriter::Take(const LogRecord& record, const platform::LocalDateTime& time) {
  char thread_id[12];
  const std::string_view id = DecimalText(record.thread_id, thread_id);
  std::exception_ptr failure;
  if (Buffered(
          [&] {
            AppendLogLine(Buffer, time, record.level, id, record.log_type, record.msg, process_id_,
                          with_type_tag_);
          },
          failure)) {
    return;
  }
  auto message = std::make_unique<TLogMessage>();
  message->SubName = record.sub_name;
  message->Msg = record.msg;
  message->Level = record.level;
  message->Time = ToDateTimeValue(time);
  message->RetryCount = 1;
  message->ThreadId = id;
  message->LogType = record.log_type;
  retries_.push_back(std::move(message));  // to the tail: this line may now follow later ones
  seams_.sleep(kLogRetryPauseMs);
}

void LogFileWriter::RetryFailed() {
  while (!retries_.empty() && lines_this_pass_ < kLogLinesPerPass) {
    std::unique_ptr<TLogMessage> message = std::move(retries_.front());
    retries_.pop_front();
    std::exception_ptr failure;
    if (Buffered([&] { AppendLogLine(Buffer, *message, process_id_, with_type_tag_); }, failure)) continue;
    if (++message->RetryCount < kLogFormatRetries) {
      retries_.push_back(std::move(message));
      seams_.sleep(kLogRetryPauseMs);
      continue;
    }
    counters_.dropped.fetch_add(1, std::memory_order_relaxed);
    std::rethrow_exception(failure);
  }
}

int64_t LogFileWriter::Flush() {
  if (PendingCount == 0) return 0;
  PendingCount = 0;
  return Write();
}

int64_t LogFileWriter::FlushRemaining() {
  PendingCount = 0;
  if (flushed_ >= Buffer.size()) {
    Buffer.clear();
    flushed_ = 0;
    return 0;
  }
  return Write();
}

int64_t LogFileWriter::Write() {
  flush_base_ = std::min(flushed_, Buffer.size());
  progress_.start.store(-1);
  progress_.written.store(0);
  flushing_.store(true);
  const uint32_t error = Append(std::string_view(Buffer).substr(flush_base_));
  flushed_ = flush_base_ + progress_.written.load();
  flushing_.store(false);
  if (error != 0) {
    counters_.failed_writes.fetch_add(1, std::memory_order_relaxed);
    ++failures_unreported_;
    last_error_ = error;
    throw Error(platform::Win32ErrorText(error));
  }
  const int64_t lines = buffered_lines_;
  buffered_lines_ = 0;
  Buffer.clear();
  flushed_ = 0;
  counters_.written.fetch_add(lines, std::memory_order_release);
  if (failures_unreported_ > 0) {
    // Once, when space returns: the failures were counted, now they are told in the file.
    const std::string notice = FailureNotice(failures_unreported_, last_error_);
    failures_unreported_ = 0;
    char thread_id[12];
    AppendLogLine(Buffer, seams_.clock->Now(), 0, DecimalText(platform::CurrentThreadId(), thread_id), ltNormal,
                  notice, process_id_, false);
    Write();
  }
  return lines;
}

uint32_t LogFileWriter::Append(std::string_view bytes) {
  uint32_t error = 0;
  if (!file_) {
    if (counters_.held_files_only.load()) return kFileNotOpen;
    InFileCall in_file_call(counters_, FileCall::kByPath);
    file_ = seams_.files->OpenForAppending(FileName, error);
    if (!file_) return error;
  }
  {
    InFileCall in_file_call(counters_, FileCall::kThroughHeldFile);
    error = file_->Append(bytes, progress_);
  }
  if (error != 0 && !counters_.held_files_only.load()) {
    // Opened afresh for the next append: the handle itself may be what failed.
    InFileCall in_file_call(counters_, FileCall::kByPath);
    file_.reset();
  }
  return error;
}

void LogFileWriter::RecoverFlush() {
  if (!flushing_.load()) return;
  size_t reached = 0;
  const int64_t start = progress_.start.load();
  if (start >= 0) {
    // The start is known only once the file was open.
    const int64_t size = file_ ? file_->Size() : -1;
    if (size > start) reached = std::min(static_cast<size_t>(size - start), Buffer.size() - flush_base_);
  }
  flushed_ = flush_base_ + reached;
  flushing_.store(false);
}

}  // namespace ruzi
