#include "platform/paths.h"

namespace ruzi::platform {

std::string ExecutableDirectory() {
  std::string path = ExecutablePath();
  size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

}  // namespace ruzi::platform
