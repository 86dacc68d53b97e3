#pragma once
// TqxWriteLogEx: the asynchronous log writer. A caller copies its line into a queue of its
// own thread (no lock shared with other threads, no allocation for a line that fits its
// queue's current block); one background thread reads every queue and appends each file's
// lines to Logs\<base>[_<sub>]_<YYYY-MM-DD>.log, moving a file past the size limit aside under
// a number.
//
// Lines: "[" pid "]" yyyy-mm-dd hh:mm:ss.zzz "[" level "][" tid "]: " text CR LF.
// The threshold comes from the configuration file ("common"/"LogLevel", never below 5) and is
// re-read every 10 s. Shutdown (also run for every live instance by the library's shutdown)
// writes everything queued; the destructor alone waits at most 500 ms for the thread and may
// lose what is still queued. Any thread may call AddLog and the counters.
#include <atomic>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>

#include "ruzirareva/export.h"
#include "ruzirareva/foundation/format.h"
#include "ruzirareva/foundation/log_type.h"

namespace ruzi {

class LogDispatcher;
class LogProducerQueue;
class TDealLogThread;
struct LogWriterSeams;
struct TLogMessage;

// Any thread may call AddLog and GetUnWriteLogCount; construction, Shutdown and destruction
// belong to one thread.
class RUZI_API TqxWriteLogEx {
 public:
  TqxWriteLogEx(std::string_view base_name, std::string_view log_path, double max_file_size_mb,
                std::string_view ini_file_name);
  // The same on the given clock, files and configuration reads (the library's own tests).
  TqxWriteLogEx(std::string_view base_name, std::string_view log_path, double max_file_size_mb,
                std::string_view ini_file_name, LogWriterSeams seams);
  ~TqxWriteLogEx();
  TqxWriteLogEx(const TqxWriteLogEx&) = delete;
  TqxWriteLogEx& operator=(const TqxWriteLogEx&) = delete;

  // A negative level counts as 0; a level above the threshold is dropped.
  void AddLog(std::string_view msg, std::string_view sub_name = {}, int level = 0, TLogType log_type = ltNormal);
  // The text is fmt formatted with args; a format that fails gives
  // "写日志时Format出错,StrFormat=[" fmt "]" instead. The type is ltNormal.
  void AddLog(int level, std::string_view fmt, std::initializer_list<FormatArg> args,
              std::string_view sub_name = {});
  // Lines accepted and not yet in their file (queued, being formatted or waiting for space).
  int64_t GetUnWriteLogCount() const;
  // Appends that did not reach their file whole (a full disk, a file that cannot be opened).
  int64_t GetFailedWriteCount() const;
  // Reads key ident of section "WriteLog" of QxServerInfo.ini beside the executable.
  int SetLogLevel(std::string_view ident, int fallback);

  int LogLevel() const;
  const std::string& LogPath() const;
  const std::string& BaseName() const;
  const std::string& IniFileName() const;
  double MaxFileSizeMB() const;

  // Writes everything queued and stops the thread. Lines added afterwards are not written.
  void Shutdown();
  // Stops the thread without waiting for its drain and writes what is left from the calling
  // thread (the library's end step: under the loader lock, or at process exit where the
  // thread is already gone and no lock is waited for). Lines added afterwards are not written.
  void StopAndWriteWhatIsLeft();
  // Without threads (LogWriterSeams::start_threads off): one dispatcher pass until the queue is
  // empty, then the writers' passes.
  void RunPasses();

  // Shutdown of every instance alive in the process (the library's shutdown step).
  static void ShutdownAll();

 private:
  void WaitForRoom(const LogProducerQueue& queue);

  std::shared_ptr<LogDispatcher> state_;
  std::unique_ptr<TDealLogThread> dispatcher_;
  const bool threads_started_;
  std::atomic<bool> shut_down_{false};
};

// The threshold a configuration file sets: 5 without the file, else key "LogLevel" of section
// "common" (5 when absent), raised to 5 when smaller.
RUZI_API int GetLogLevel(const std::string& ini_file);

}  // namespace ruzi
