// The exports of pubfunmodel.dll: GBK C strings in, nothing out. One writer, made on the
// first line; a non-empty sub name is the writer's sub-name (pubfun_<sub>_<date>.log).
#include "foundation/log_type.h"
#include "foundation/write_log_entries.h"
#include "foundation/write_log_ex.h"

namespace {

constexpr double kMaxFileSizeMb = 200;

void* Writer() {
  static void* const writer = RuziWriteLogCreate("pubfun", "", kMaxFileSizeMb, "");
  return writer;
}

// A log type outside TLogType is written as ltNormal rather than dropped.
int LogTypeOrNormal(int log_type) {
  return log_type >= 0 && log_type < ruzi::kLogTypeCount ? log_type : ruzi::ltNormal;
}

}  // namespace

extern "C" {

void qxwritelog(const char* text, const char* sub_name, int level) {
  RuziWriteLogAdd(Writer(), text, sub_name, level, ruzi::ltNormal);
}

void qxwritelogNew(const char* text, const char* sub_name, int level, int log_type) {
  RuziWriteLogAdd(Writer(), text, sub_name, level, LogTypeOrNormal(log_type));
}

// Writes out every queued line; lines written afterwards are dropped.
void PubFunShutdown() { ruzi::TqxWriteLogEx::ShutdownAll(); }

}
