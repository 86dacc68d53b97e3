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

namespace {

// Zero-padded to `width`; the values are never negative here.
void AppendDigits(std::string& out, int value, int width) {
  char digits[12];
  int count = 0;
  unsigned rest = value < 0 ? 0u : static_cast<unsigned>(value);
  do {
    digits[count++] = static_cast<char>('0' + rest % 10);
    rest /= 10;
  } while (rest != 0);
  for (int i = count; i < width; ++i) out.push_back('0');
  while (count > 0) out.push_back(digits[--count]);
}

void AppendDateTime(std::string& out, const platform::LocalDateTime& time) {
  AppendDigits(out, time.year, 4);
  out.push_back('-');
  AppendDigits(out, time.month, 2);
  out.push_back('-');
  AppendDigits(out, time.day, 2);
  out.push_back(' ');
  AppendDigits(out, time.hour, 2);
  out.push_back(':');
  AppendDigits(out, time.minute, 2);
  out.push_back(':');
  AppendDigits(out, time.second, 2);
  out.push_back('.');
  AppendDigits(out, time.millisecond, 3);
}

}  // namespace

void AppendLogLine(std::string& out, const platform::LocalDateTime& time, int level, std::string_view thread_id,
                   TLogType log_type, std::string_view msg, std::string_view process_id, bool with_type_tag) {
  out.push_back('[');
  out.append(process_id);
  out.push_back(']');
  AppendDateTime(out, time);
  out.push_back('[');
  if (level < 0) out.push_back('-');
  AppendDigits(out, level < 0 ? -level : level, 1);
  out.append("][");
  out.append(thread_id);
  out.append("]: ");
  if (with_type_tag && log_type != ltNormal) {
    out.push_back('[');
    out.append(CommandToString(log_type));
    out.push_back(']');
  }
  // Every masking entry's name must be present for it to apply: most lines hold none.
  bool maybe_masked = false;
  for (const auto& entry : LogMaskingList()) maybe_masked = maybe_masked || msg.find(entry.first) != msg.npos;
  if (maybe_masked) {
    std::string masked(msg);
    MaskLogText(masked);
    out.append(masked);
  } else {
    out.append(msg);
  }
  out.append("\r\n");
}

void AppendLogLine(std::string& out, const TLogMessage& message, std::string_view process_id,
                   bool with_type_tag) {
  AppendLogLine(out, FromDateTimeValue(message.Time), message.Level, message.ThreadId, message.LogType, message.Msg,
                process_id, with_type_tag);
}

std::string_view DecimalText(uint32_t value, char (&buffer)[12]) {
  char* end = buffer + sizeof buffer;
  char* at = end;
  do {
    *--at = static_cast<char>('0' + value % 10);
    value /= 10;
  } while (value != 0);
  return std::string_view(at, static_cast<size_t>(end - at));
}

bool LogKeyWantsTypeTag(std::string_view file_key) {
  return file_key.size() >= 4 && AsciiEqualIgnoreCase(file_key.substr(file_key.size() - 4), "pbrc");
}

}  // namespace ruzi
