#include "platform/file_system.h"
#include "platform/shared_read_file.h"

namespace ruzi::platform {

std::optional<std::string> ReadFileDenyingWriters(const std::string& path) {
  return SystemFileSystem().ReadWholeFile(path);
}

}  // namespace ruzi::platform
