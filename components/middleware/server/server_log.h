#pragma once
// The server's own log: "ruzi-mwd.log" in the log directory, one line per event (start,
// stop, connections, refused frames). Calls are not logged here; the audit table has them.
// Lines about a connection name its peer; text that came from a client goes through
// ClientText, so it can neither break a line nor forge one.
#include <cstdio>
#include <mutex>
#include <string>
#include <string_view>

namespace ruzi::mwd {

// Control bytes (below 0x20, and 0x7F) as \xNN; every other byte (GBK included) unchanged.
std::string ClientText(std::string_view text);

class ServerLog {
 public:
  // Empty directory: lines go to stderr.
  explicit ServerLog(const std::string& directory);
  ~ServerLog();
  ServerLog(const ServerLog&) = delete;
  ServerLog& operator=(const ServerLog&) = delete;

  void Write(std::string_view text);
  const std::string& Path() const { return path_; }

 private:
  std::mutex lock_;
  std::string path_;
  std::FILE* file_ = nullptr;
};

}  // namespace ruzi::mwd
