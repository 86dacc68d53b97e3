#include <cstdio>

#include "platform/debug_output.h"

namespace ruzi::platform {

void WriteDebugOutput(std::string_view text) {
  std::fprintf(stderr, "%.*s\n", static_cast<int>(text.size()), text.data());
}

}  // namespace ruzi::platform
