#include "platform/command_line.h"
#include "platform/text_encoding.h"

namespace ruzi::platform {

std::vector<std::string> CommandLineArguments(int argc, char** argv) {
  std::vector<std::string> result;
  for (int i = 0; i < argc; ++i) result.push_back(Utf8ToGbk(argv[i]));
  return result;
}

}  // namespace ruzi::platform

namespace ruzi::platform {

void UseBinaryStandardStreams() {}

}  // namespace ruzi::platform
