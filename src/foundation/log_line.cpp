#include "foundation/log_line.h"

#include "platform/ascii_case.h"
#include "foundation/date_time_value.h"
#include "foundation/local_time_text.h"

namespace ruzi {

const std::vector<std::pair<std::string, std::string>>& LogMaskingList() {
  static const std::vector<std::pair<std::string, std::string>> list = {
      {"<vc_capital_password>", "</vc_capital_password>"}};
  return list;
}

void MaskLogText(std::string& text) {
  for (const auto& [name, value] : LogMaskingList()) {
    const size_t name_at = text.find(name);
    const size_t value_at = text.find(value);
    if (name_at == std::string::npos || value_at == std::string::npos) continue;
    // Literal rule: the first name and the first value, wherever each one is.
    text = text.substr(0, name_at) + text.substr(value_at + value.size());
  }
}

void AppendLogLine(std::string& out, const TLogMessage& message, std::string_view process_id,
                   bool with_type_tag) {
  out.push_back('[');
  out.append(process_id);
  out.push_back(']');
  out.append(DateTimeMillisecondText(FromDateTimeValue(message.Time)));
  out.push_back('[');
  out.append(std::to_string(message.Level));
  out.append("][");
  out.append(message.ThreadId);
  out.append("]: ");
  if (with_type_tag && message.LogType != ltNormal) {
    out.push_back('[');
    out.append(CommandToString(message.LogType));
    out.push_back(']');
  }
  out.append(message.Msg);
  out.append("\r\n");
}

bool LogKeyWantsTypeTag(std::string_view file_key) {
  return file_key.size() >= 4 && AsciiEqualIgnoreCase(file_key.substr(file_key.size() - 4), "pbrc");
}

}  // namespace ruzi
