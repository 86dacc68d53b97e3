#include "foundation/write_log_ex.h"

#include "foundation/deal_log_thread.h"
#include "foundation/log_dispatcher.h"
#include "foundation/log_writer_seams.h"

#include "foundation/date_time_value.h"
#include "foundation/live_log_writers.h"
#include "foundation/log_level_config.h"
#include "foundation/trim.h"
#include "platform/paths.h"
#include "platform/process_ids.h"

namespace ruzi {
namespace {

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
                             std::string_view ini_file_name, LogWriterSeams seams) {
  std::string ini_file = LogConfigFileName(seams.executable_path, ini_file_name);
  std::string folder = LogFolder(log_path, seams);
  const bool start_threads = seams.start_threads;
  state_ = std::make_shared<LogDispatcher>(std::move(folder), BaseNameOrDefault(base_name), max_file_size_mb,
                                           std::move(ini_file), std::move(seams));
  dispatcher_ = std::make_unique<TDealLogThread>(state_);
  if (start_threads) dispatcher_->Start();
  LiveLogWriters::Add(this);
}

TqxWriteLogEx::~TqxWriteLogEx() {
  LiveLogWriters::Remove(this);
  const LogThreadRelease mode = LogThreadRelease::Current();
  // Writers are ours to stop only once the dispatcher, which feeds them, has stopped; if it
  // has not, it keeps the shared state alive and frees the writers itself when it ends.
  if (dispatcher_->Thread().StopAndRelease(mode)) state_->ReleaseWriters(mode);
}

int TqxWriteLogEx::LogLevel() const { return state_->LogLevel.load(std::memory_order_relaxed); }
const std::string& TqxWriteLogEx::LogPath() const { return state_->LogPath; }
const std::string& TqxWriteLogEx::BaseName() const { return state_->BaseName; }
const std::string& TqxWriteLogEx::IniFileName() const { return state_->IniFileName; }
double TqxWriteLogEx::MaxFileSizeMB() const { return state_->MaxFileSizeMB; }

void TqxWriteLogEx::Queue(TLogMessage* message) {
  state_->Queue.Push(message);
  // The dispatcher comes by every 10 ms anyway; it is woken early only for a full batch, so a
  // caller almost never pays for waking a thread.
  if (state_->Queue.Count() >= kLogLinesPerPass) dispatcher_->Wake();
}

void TqxWriteLogEx::AddLog(std::string_view msg, std::string_view sub_name, int level, TLogType log_type) {
  if (level < 0) level = 0;
  if (level > LogLevel()) return;
  auto* message = new TLogMessage;
  message->SubName = sub_name;
  message->Msg = msg;
  message->Level = level;
  message->Time = ToDateTimeValue(state_->Seams.clock->Now());
  message->ThreadId = std::to_string(platform::CurrentThreadId());
  message->LogType = log_type;
  Queue(message);
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

int64_t TqxWriteLogEx::GetUnWriteLogCount() const { return state_->Queue.Count(); }

int TqxWriteLogEx::SetLogLevel(std::string_view ident, int fallback) {
  const std::string file = platform::DirectoryOf(state_->Seams.executable_path) + "QxServerInfo.ini";
  const int level = state_->Seams.read_ini_integer(file, "WriteLog", std::string(ident), fallback);
  state_->LogLevel.store(level, std::memory_order_relaxed);
  return level;
}

void TqxWriteLogEx::Shutdown() {
  if (shut_down_) return;
  shut_down_ = true;
  // The dispatcher first, so no writer gets new lines while it drains.
  dispatcher_->Thread().DrainAndJoin();
  state_->DrainWriters();
}

void TqxWriteLogEx::RunPasses() {
  while (state_->DealLog()) {
  }
  state_->RunWriterPasses();
}

void TqxWriteLogEx::ShutdownAll() { LiveLogWriters::ForEach([](TqxWriteLogEx& writer) { writer.Shutdown(); }); }

}  // namespace ruzi
