// The log writer for hosts that load the library: plain C entries over TqxWriteLogEx. The
// library owns the instances; one the host never frees is destroyed by the unit's end step.
#include <cstdint>

#include "foundation/live_log_writers.h"
#include "foundation/write_log_ex.h"

namespace {

const char* OrEmpty(const char* text) { return text != nullptr ? text : ""; }

}  // namespace

extern "C" {

__declspec(dllexport) void* __stdcall RuziWriteLogCreate(const char* base_name, const char* log_path,
                                                         double max_file_size_mb, const char* ini_file_name) {
  try {
    return ruzi::LiveLogWriters::Own(
        new ruzi::TqxWriteLogEx(OrEmpty(base_name), OrEmpty(log_path), max_file_size_mb, OrEmpty(ini_file_name)));
  } catch (...) {
    return nullptr;
  }
}

__declspec(dllexport) void __stdcall RuziWriteLogAdd(void* writer, const char* msg, const char* sub_name,
                                                     int level, int log_type) {
  if (writer == nullptr || log_type < 0 || log_type >= ruzi::kLogTypeCount) return;
  static_cast<ruzi::TqxWriteLogEx*>(writer)->AddLog(OrEmpty(msg), OrEmpty(sub_name), level,
                                                    static_cast<ruzi::TLogType>(log_type));
}

__declspec(dllexport) int64_t __stdcall RuziWriteLogUnwritten(void* writer) {
  return writer != nullptr ? static_cast<ruzi::TqxWriteLogEx*>(writer)->GetUnWriteLogCount() : 0;
}

// Appends that did not reach the file whole (a full disk, a file that cannot be opened).
__declspec(dllexport) int64_t __stdcall RuziWriteLogFailedWrites(void* writer) {
  return writer != nullptr ? static_cast<ruzi::TqxWriteLogEx*>(writer)->GetFailedWriteCount() : 0;
}

__declspec(dllexport) int __stdcall RuziWriteLogFree(void* writer) {
  return ruzi::LiveLogWriters::ReleaseOwned(static_cast<ruzi::TqxWriteLogEx*>(writer)) ? 1 : 0;
}

}
