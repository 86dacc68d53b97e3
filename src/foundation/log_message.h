#pragma once
// TLogMessage: one queued log line, allocated by AddLog and released by the writer that
// wrote it (or by the queue holding it when the writer goes away first).
#include <cstdint>
#include <string>

#include "foundation/log_type.h"

namespace ruzi {

struct TLogMessage {
  std::string SubName;     // file sub-name; empty selects the main file
  std::string Msg;
  int32_t Level = 0;       // never negative
  double Time = 0;         // local time of AddLog, days since 1899-12-30
  int32_t RetryCount = 0;  // failed attempts to format this line
  std::string ThreadId;    // decimal id of the thread that called AddLog
  TLogType LogType = ltNormal;
};

}  // namespace ruzi
