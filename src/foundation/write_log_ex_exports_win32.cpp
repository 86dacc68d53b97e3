// The log writer for hosts that load the library: plain C entries over TqxWriteLogEx. The
// library owns the instances; one the host never frees is destroyed by the unit's end step.
#include "foundation/write_log_entries.h"

#include "foundation/live_log_writers.h"
#include "foundation/write_log_ex.h"

namespace {

const char* OrEmpty(const char* text) { return text != nullptr ? text : ""; }

}  // namespace

extern "C" {

void* RuziWriteLogCreate(const char* base_name, const char* log_path, double max_file_size_mb,
                         const char* ini_file_name) {
  try {
    return ruzi::LiveLogWriters::Own(
        new ruzi::TqxWriteLogEx(OrEmpty(base_name), OrEmpty(log_path), max_file_size_mb, OrEmpty(ini_file_name)));
  } catch (...) {
    return nullptr;
  }
}

void RuziWriteLogAdd(void* writer, const char* msg, const char* sub_name, int level, int log_type) {
  if (writer == nullptr || log_type < 0 || log_type >= ruzi::kLogTypeCount) return;
  static_cast<ruzi::TqxWriteLogEx*>(writer)->AddLog(OrEmpty(msg), OrEmpty(sub_name), level,
                                                    static_cast<ruzi::TLogType>(log_type));
}

int64_t RuziWriteLogUnwritten(void* writer) {
  return writer != nullptr ? static_cast<ruzi::TqxWriteLogEx*>(writer)->GetUnWriteLogCount() : 0;
}

int64_t RuziWriteLogFailedWrites(void* writer) {
  return writer != nullptr ? static_cast<ruzi::TqxWriteLogEx*>(writer)->GetFailedWriteCount() : 0;
}

int RuziWriteLogFree(void* writer) {
  return ruzi::LiveLogWriters::ReleaseOwned(static_cast<ruzi::TqxWriteLogEx*>(writer)) ? 1 : 0;
}

}
