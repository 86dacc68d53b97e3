#include "server_log.h"

#include <unistd.h>

#include <filesystem>

#include "foundation/local_time_text.h"
#include "platform/clock.h"

namespace ruzi::mwd {

std::string ClientText(std::string_view text) {
  static const char kDigits[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F) {
      out += "\\x";
      out += kDigits[byte >> 4];
      out += kDigits[byte & 15];
    } else {
      out += c;
    }
  }
  return out;
}

ServerLog::ServerLog(const std::string& directory) {
  if (directory.empty()) return;
  std::filesystem::create_directories(directory);
  path_ = (std::filesystem::path(directory) / "ruzi-mwd.log").string();
  file_ = std::fopen(path_.c_str(), "a");
}

ServerLog::~ServerLog() {
  if (file_ != nullptr) std::fclose(file_);
}

void ServerLog::Write(std::string_view text) {
  std::string stamp = DateTimeMillisecondText(platform::LocalNow()) + " [" + std::to_string(getpid()) + "] ";
  std::lock_guard<std::mutex> guard(lock_);
  std::FILE* out = file_ != nullptr ? file_ : stderr;
  std::fputs(stamp.c_str(), out);
  std::fwrite(text.data(), 1, text.size(), out);
  std::fputc('\n', out);
  std::fflush(out);
}

}  // namespace ruzi::mwd
