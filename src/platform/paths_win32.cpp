#include <windows.h>

#include "platform/paths.h"

namespace ruzi::platform {

std::string ExecutablePath() {
  std::string buffer(MAX_PATH, '\0');
  for (;;) {
    DWORD length = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length < buffer.size()) {
      buffer.resize(length);
      return buffer;
    }
    buffer.resize(buffer.size() * 2);
  }
}

char PathSeparator() { return '\\'; }

}  // namespace ruzi::platform

namespace ruzi::platform {

std::string AbsolutePath(const std::string& path) {
  char buffer[MAX_PATH * 4];
  DWORD length = GetFullPathNameA(path.c_str(), sizeof buffer, buffer, nullptr);
  return length > 0 && length < sizeof buffer ? std::string(buffer, length) : path;
}

}  // namespace ruzi::platform
