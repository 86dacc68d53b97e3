#pragma once
// The server's own log: "ruzi-mwd.log" in the log directory, one line per event (start,
// stop, connections, refused frames). Calls are not logged here; the audit table has them.
#include <cstdio>
#include <mutex>
#include <string>
#include <string_view>

namespace ruzi::mwd {

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
