// The five forms of the shared log line.
#include <string_view>

#include "platform/ini_file.h"
#include "service/executable_ini.h"
#include "service/pubfun_log_binding.h"
#include "service/qx_comm.h"

namespace ruzi {

void qxWriteLog(int32_t Level, const std::string& Text) { PubFunWriteLogEntry()(Text.c_str(), "", Level); }

void qxWriteLog(int32_t Level, const std::string& Text, TLogType LogType) {
  if (PubFunWriteLogNew entry = PubFunWriteLogNewEntry()) {
    entry(Text.c_str(), "", Level, LogType);
    return;
  }
  qxWriteLog(Level, Text);
}

void qxWriteLog(const std::string& Text) { qxWriteLog(0, Text); }

void qxWriteLog(const std::string& Text, TLogType LogType) { qxWriteLog(0, Text, LogType); }

void qxWriteLog(const std::string& Option, const std::string& Text) {
  if (Option.empty()) return;
  const std::string options = platform::ReadIniString(ExecutableIniFile(), "WriteLog", "DebugOption", "");
  if (options.find(Option) != std::string::npos) qxWriteLog(Text);
}

}  // namespace ruzi
