#include "platform/file_system.h"

namespace ruzi::platform {

std::string DirectoryOf(std::string_view path) {
  const size_t slash = path.find_last_of("\\/");
  return slash == std::string_view::npos ? std::string() : std::string(path.substr(0, slash + 1));
}

}  // namespace ruzi::platform
