#include "foundation/write_log_ex.h"

#include "foundation/deal_log_thread.h"
#include "foundation/log_dispatcher.h"
#include "foundation/log_writer_seams.h"

#include "foundation/date_time_value.h"
#include "foundation/live_log_writers.h"
#include "foundation/log_level_config.h"
#include "foundation/trim.h"
#include "platform/clock.h"
#include "platform/paths.h"

namespace ruzi {
namespace {

// How far one thread may run ahead of the disk.
constexpr int64_t kLogBacklogBytesPerThread = 32 << 20;

std::string LogFolder(std::string_view log_path, const LogWriterSeams& seams) {
  std::string folder = Trim(log_path);
  if (folder.empty()) {
    folder = platform::DirectoryOf(seams.executable_path) + "Logs" + platform::PathSeparator();
  }
  if (!seams.files->DirectoryExists(folder)) seams.files->CreateDirectories(folder);
  if (folder.back() != '\\' && folder.back() != '/') folder.push_back(platform::PathSeparator());
  return folder;
}

std::string BaseNameOrDefault(std::string_view base_name) {
  std::string name = Trim(base_name);
  return name.empty() ? std::string("WriteLog") : name;
}

}  // namespace

TqxWriteLogEx::TqxWriteLogEx(std::string_view base_name, std::string_view log_path, double max_file_size_mb,
                             std::string_view ini_file_name)
    : TqxWriteLogEx(base_name, log_path, max_file_size_mb, ini_file_name, LogWriterSeams::System()) {}

TqxWriteLogEx::TqxWriteLogEx(std::string_view base_name, std::string_view log_path, double max_file_size_mb,
                             std::string_view ini_file_name, LogWriterSeams seams)
    : threads_started_(seams.start_threads) {
  std::string ini_file = LogConfigFileName(seams.executable_path, ini_file_name);
  std::string folder = LogFolder(log_path, seams);
  state_ = std::make_shared<LogDispatcher>(std::move(folder), BaseNameOrDefault(base_name), max_file_size_mb,
                                           std::move(ini_file), std::move(seams));
  dispatcher_ = std::make_unique<TDealLogThread>(state_);
  if (threads_started_) dispatcher_->Start();
  LiveLogWriters::Add(this);
}

TqxWriteLogEx::~TqxWriteLogEx() {
  LiveLogWriters::Remove(this);
  // A thread that does not stop in time keeps the shared state alive and ends on its own.
  dispatcher_->Thread().StopAndRelease(LogThreadRelease::Current());
}

int TqxWriteLogEx::LogLevel() const { return state_->LogLevel.load(std::memory_order_relaxed); }
const std::string& TqxWriteLogEx::LogPath() const { return state_->LogPath; }
const std::string& TqxWriteLogEx::BaseName() const { return state_->BaseName; }
const std::string& TqxWriteLogEx::IniFileName() const { return state_->IniFileName; }
double TqxWriteLogEx::MaxFileSizeMB() const { return state_->MaxFileSizeMB; }

void TqxWriteLogEx::WaitForRoom(const LogProducerQueue& queue) {
  // A thread far ahead of the disk waits for the writer, unless nothing would come of it: no
  // running writer, or appends failing (a full disk must not stop the host).
  while (queue.BacklogBytes() > kLogBacklogBytesPerThread && threads_started_ && !shut_down_.load() &&
         !state_->WriteFailing()) {
    dispatcher_->Wake();
    platform::SleepMilliseconds(1);
  }
}

void TqxWriteLogEx::AddLog(std::string_view msg, std::string_view sub_name, int level, TLogType log_type) {
  if (level < 0) level = 0;
  if (level > LogLevel() || shut_down_.load(std::memory_order_relaxed)) return;
  LogProducerQueue& queue = state_->Producers.ForThisThread();
  LogRecord record;
  record.msg = msg;
  record.sub_name = sub_name;
  record.level = level;
  record.log_type = log_type;
  // A stamp, not the time of day: the writer's thread turns it into the time of this call.
  record.stamp = state_->Seams.clock->Stamp();
  queue.Push(record);
  // The thread comes by every 10 ms anyway; it is woken early only after a batch's worth of
  // lines, so a caller almost never pays for waking it.
  if ((queue.Pushed() & (kLogWakeBatch - 1)) == 0) {
    dispatcher_->Wake();
    WaitForRoom(queue);
  }
}

void TqxWriteLogEx::AddLog(int level, std::string_view fmt, std::initializer_list<FormatArg> args,
                           std::string_view sub_name) {
  if ((level < 0 ? 0 : level) > LogLevel()) return;
  std::string text;
  try {
    text = Format(fmt, args);
  } catch (const Error&) {
    text = "写日志时Format出错,StrFormat=[" + std::string(fmt) + "]";
  }
  AddLog(text, sub_name, level, ltNormal);
}

int64_t TqxWriteLogEx::GetUnWriteLogCount() const { return state_->Unwritten(); }

int64_t TqxWriteLogEx::GetFailedWriteCount() const {
  return state_->Counters.failed_writes.load(std::memory_order_relaxed);
}

int TqxWriteLogEx::SetLogLevel(std::string_view ident, int fallback) {
  const std::string file = platform::DirectoryOf(state_->Seams.executable_path) + "QxServerInfo.ini";
  const int level = state_->Seams.read_ini_integer(file, "WriteLog", std::string(ident), fallback);
  state_->LogLevel.store(level, std::memory_order_relaxed);
  return level;
}

void TqxWriteLogEx::Shutdown() {
  if (shut_down_.exchange(true)) return;
  dispatcher_->Thread().DrainAndJoin();
}

void TqxWriteLogEx::StopAndWriteWhatIsLeft() {
  if (shut_down_.exchange(true)) return;
  const LogThreadRelease mode = LogThreadRelease::Current();
  // True once the thread has finished or, at process exit, is gone: its state is ours then.
  if (dispatcher_->Thread().StopAndRelease(mode)) state_->WriteWhatIsLeft(mode.process_exiting);
}

void TqxWriteLogEx::RunPasses() {
  for (;;) {
    try {
      if (!state_->DealLog()) return;
    } catch (...) {
      return;  // as the thread does, the error ends the pass; tests look before the next one
    }
  }
}

void TqxWriteLogEx::ShutdownAll() { LiveLogWriters::ForEach([](TqxWriteLogEx& writer) { writer.Shutdown(); }); }

}  // namespace ruzi
