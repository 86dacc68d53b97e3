#include <unistd.h>

#include <algorithm>

#include "platform/file_delete.h"

namespace ruzi::platform {

bool DeleteFileAt(const std::string& path) {
  std::string native = path;
  std::replace(native.begin(), native.end(), '\\', '/');
  return unlink(native.c_str()) == 0;
}

}  // namespace ruzi::platform
