#include "service/executable_ini.h"

#include "platform/paths.h"

namespace ruzi {

std::string ExecutableIniFile() {
  std::string path = platform::ExecutablePath();
  path.resize(path.size() >= 4 ? path.size() - 4 : 0);
  return path + ".ini";
}

}  // namespace ruzi
