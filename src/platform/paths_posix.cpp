#include <unistd.h>

#include <climits>

#include "platform/paths.h"

namespace ruzi::platform {

std::string ExecutablePath() {
  char buffer[PATH_MAX];
  ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer);
  return length > 0 ? std::string(buffer, static_cast<size_t>(length)) : std::string();
}

char PathSeparator() { return '/'; }

}  // namespace ruzi::platform

#include <filesystem>

namespace ruzi::platform {

std::string AbsolutePath(const std::string& path) {
  std::error_code error;
  auto absolute = std::filesystem::absolute(path, error);
  return error ? path : absolute.string();
}

}  // namespace ruzi::platform
