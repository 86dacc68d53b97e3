#include "platform/command_line.h"

namespace ruzi::platform {

std::vector<std::string> RawCommandLineArguments(int argc, char** argv) {
  return std::vector<std::string>(argv, argv + argc);
}

}  // namespace ruzi::platform
