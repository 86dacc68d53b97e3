#include "foundation/log_dispatcher.h"

#include <algorithm>
#include <vector>

#include "foundation/log_file_names.h"
#include "foundation/log_level_config.h"
#include "foundation/trim.h"
#include "platform/process_ids.h"

namespace ruzi {

LogDispatcher::LogDispatcher(std::string log_path, std::string base_name, double max_file_size_mb,
                             std::string ini_file_name, LogWriterSeams seams)
    : LogPath(std::move(log_path)),
      BaseName(std::move(base_name)),
      LogLevel(GetLogLevel(ini_file_name, seams)),
      MaxFileSizeMB(max_file_size_mb),
      IniFileName(std::move(ini_file_name)),
      LastLevelCheck(seams.clock->Tick()),
      Queue(DeleterFor<TLogMessage>()),
      ProcessId(std::to_string(platform::CurrentProcessId())),
      Seams(std::move(seams)),
      writers_([this](void* data) {
        auto* writer = static_cast<TWriteLogThread*>(data);
        writer->Thread().StopAndRelease(release_mode_);
        delete writer;
      }) {}

LogDispatcher::~LogDispatcher() { ReleaseWriters(release_mode_); }

TWriteLogThread& LogDispatcher::WriterFor(const std::string& key) {
  TStrOrderListNode* node = nullptr;
  if (writers_.Search(key, node)) return *static_cast<TWriteLogThread*>(node->Data);
  auto* writer = new TWriteLogThread(std::make_shared<LogFileWriter>(key, MaxFileSizeMB, ProcessId, Seams));
  writers_.Insert(key, writer);
  if (Seams.start_threads) writer->Start();
  return *writer;
}

bool LogDispatcher::DealLog() {
  const uint32_t now = Seams.clock->Tick();
  if (now - LastLevelCheck > kLogLevelCheckPeriodMs) {
    LogLevel.store(GetLogLevel(IniFileName, Seams), std::memory_order_relaxed);
    LastLevelCheck = now;
  }
  TWriteLogThread* last = nullptr;
  std::string last_sub_name;
  std::vector<TWriteLogThread*> touched;
  void* batch[kLogLinesPerPass];
  const size_t taken = Queue.PopMany(batch, kLogLinesPerPass);
  for (size_t i = 0; i < taken; ++i) {
    auto* message = static_cast<TLogMessage*>(batch[i]);
    message->SubName = Trim(message->SubName);
    // Runs of lines for one file are common: skip the lookup for them.
    if (last == nullptr || message->SubName != last_sub_name) {
      last = &WriterFor(LogFileKey(LogPath, BaseName, message->SubName));
      last_sub_name = message->SubName;
      if (std::find(touched.begin(), touched.end(), last) == touched.end()) touched.push_back(last);
    }
    last->Push(message);
  }
  for (TWriteLogThread* writer : touched) writer->Wake();
  return Queue.Count() > 0;
}

template <typename Fn>
void LogDispatcher::ForEachWriter(Fn fn) {
  for (int64_t i = 0; i < writers_.GetCount(); ++i) fn(*static_cast<TWriteLogThread*>(writers_.GetItems(i)->Data));
}

void LogDispatcher::RunWriterPasses() {
  ForEachWriter([](TWriteLogThread& writer) {
    try {
      while (writer.Writer().WriteLog()) {
      }
    } catch (...) {
      // As the thread loop does: the error ends this pass only.
    }
  });
}

void LogDispatcher::DrainWriters() {
  ForEachWriter([](TWriteLogThread& writer) { writer.Thread().DrainAndJoin(); });
}

void LogDispatcher::ReleaseWriters(LogThreadRelease mode) {
  release_mode_ = mode;
  writers_.ClearWithFreeData();
}

}  // namespace ruzi
