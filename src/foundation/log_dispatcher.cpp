#include "foundation/log_dispatcher.h"

#include <exception>

#include "foundation/data_deleter.h"
#include "foundation/log_file_names.h"
#include "foundation/log_level_config.h"
#include "foundation/trim.h"
#include "platform/process_ids.h"

namespace ruzi {
namespace {

// A drain facing files that stay broken gives up after this many failed passes in a row.
constexpr int kLeftoverFailureLimit = 10;

}  // namespace

LogDispatcher::LogDispatcher(std::string log_path, std::string base_name, double max_file_size_mb,
                             std::string ini_file_name, LogWriterSeams seams)
    : LogPath(std::move(log_path)),
      BaseName(std::move(base_name)),
      LogLevel(GetLogLevel(ini_file_name, seams)),
      MaxFileSizeMB(max_file_size_mb),
      IniFileName(std::move(ini_file_name)),
      LastLevelCheck(seams.clock->Tick()),
      ProcessId(std::to_string(platform::CurrentProcessId())),
      Seams(std::move(seams)),
      writers_(DeleterFor<LogFileWriter>()) {}

LogDispatcher::~LogDispatcher() = default;

LogFileWriter& LogDispatcher::WriterFor(std::string_view sub_name) {
  // Runs of lines for one file are the rule: the lookup is skipped for them.
  if (last_writer_ != nullptr && sub_name == last_sub_name_) return *last_writer_;
  const std::string key = LogFileKey(LogPath, BaseName, Trim(sub_name));
  TStrOrderListNode* node = nullptr;
  LogFileWriter* writer = nullptr;
  if (writers_.Search(key, node)) {
    writer = static_cast<LogFileWriter*>(node->Data);
  } else {
    writer = new LogFileWriter(key, MaxFileSizeMB, ProcessId, Seams, Counters);
    writers_.Insert(key, writer);
  }
  last_writer_ = writer;
  last_sub_name_ = sub_name;
  return *writer;
}

template <typename Fn>
void LogDispatcher::ForEachWriter(Fn fn) {
  for (int64_t i = 0; i < writers_.GetCount(); ++i) fn(*static_cast<LogFileWriter*>(writers_.GetItems(i)->Data));
}

bool LogDispatcher::DealLog() {
  const uint32_t now = Seams.clock->Tick();
  // Not at exit: a thread killed while reading the file may hold the system's lock on it.
  if (now - LastLevelCheck > kLogLevelCheckPeriodMs && !exiting_) {
    InFileCall in_file_call(Counters, FileCall::kByPath);
    LogLevel.store(GetLogLevel(IniFileName, Seams), std::memory_order_relaxed);
    LastLevelCheck = now;
  }
  // At exit a lock held by a killed thread stays held: the queues known so far will do.
  Producers.Snapshot(queues_, exiting_);
  ForEachWriter([](LogFileWriter& writer) { writer.BeginPass(); });
  releases_.clear();
  bool more = false;
  std::exception_ptr failure;
  auto note = [&failure] {
    if (!failure) failure = std::current_exception();
  };

  phase_.store(kFormatting);
  LogRecord record;
  for (const auto& queue : queues_) {
    LogProducerQueue::Cursor at = queue->Head();
    for (;;) {
      const LogProducerQueue::Cursor before = at;
      if (!queue->Read(at, record)) break;
      LogFileWriter& writer = WriterFor(record.sub_name);
      if (writer.LinesThisPass() >= kLogLinesPerPass) {
        at = before;  // this thread's next lines wait for the next pass, in order
        more = true;
        break;
      }
      writer.Take(record, Seams.clock->TimeOfStamp(record.stamp, stamp_reading_));
    }
    releases_.push_back({queue.get(), at});
  }
  ForEachWriter([&](LogFileWriter& writer) {
    try {
      writer.RetryFailed();
    } catch (...) {
      note();
    }
    more = more || writer.HasRetries();
  });

  phase_.store(kReleasing);
  for (const Release& release : releases_) release.queue->Release(release.upto);

  phase_.store(kFlushing);
  ForEachWriter([&](LogFileWriter& writer) {
    try {
      writer.Flush();
    } catch (...) {
      note();
    }
  });
  phase_.store(kIdle);
  write_failing_.store(failure != nullptr, std::memory_order_relaxed);
  if (failure) std::rethrow_exception(failure);
  return more;
}

void LogDispatcher::FlushRemaining() {
  std::exception_ptr failure;
  ForEachWriter([&](LogFileWriter& writer) {
    try {
      writer.FlushRemaining();
    } catch (...) {
      if (!failure) failure = std::current_exception();
    }
  });
  if (failure) std::rethrow_exception(failure);
}

bool LogDispatcher::WorkWaiting() const {
  int64_t waiting = 0;
  for (const auto& queue : queues_) waiting += queue->Waiting();
  return waiting >= kLogWakeBatch;
}

void LogDispatcher::RecoverStoppedPass() {
  switch (phase_.load()) {
    case kFormatting:
      // Nothing was released: the queues still hold every line of the pass.
      ForEachWriter([](LogFileWriter& writer) { writer.RollBackPass(); });
      break;
    case kReleasing:
      for (const Release& release : releases_) release.queue->MoveHead(release.upto);
      break;
    case kFlushing:
      ForEachWriter([](LogFileWriter& writer) { writer.RecoverFlush(); });
      break;
    default:
      break;
  }
  phase_.store(kIdle);
}

void LogDispatcher::WriteWhatIsLeft(bool process_exiting) {
  // Measured under Wine: a thread killed while appending to a file it holds open leaves
  // nothing out of step; one killed in a call by path may.
  if (process_exiting && Counters.in_file_call.load() == FileCall::kByPath) Counters.held_files_only.store(true);
  exiting_ = process_exiting;
  RecoverStoppedPass();
  for (int failures = 0; failures < kLeftoverFailureLimit;) {
    try {
      if (!DealLog()) break;
    } catch (...) {
      ++failures;
    }
  }
  for (int failures = 0; failures < kLeftoverFailureLimit; ++failures) {
    try {
      FlushRemaining();
      break;
    } catch (...) {
      // A full disk may clear; a file that stays broken loses what it holds.
    }
  }
}

int64_t LogDispatcher::Unwritten() {
  // Done lines first: each was pushed before, so the difference never goes below 0.
  const int64_t done = Counters.written.load(std::memory_order_acquire) + Counters.dropped.load(std::memory_order_acquire);
  return Producers.Pushed() - done;
}

}  // namespace ruzi
