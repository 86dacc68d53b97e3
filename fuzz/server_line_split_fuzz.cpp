// A server line of the selection list (any bytes): never crashes, and the split puts the line
// back together at a ":" that is not its last character, with no ":" after it but the last.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "service/server_speed.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string line(reinterpret_cast<const char*>(data), size);
  const ruzi::ServerLine split = ruzi::SplitServerLine(line);
  if (split.address + ":" + split.port == line) {
    if (split.port.empty()) std::abort();  // the last character is never the separator
    if (split.port.substr(0, split.port.size() - 1).find(':') != std::string::npos) std::abort();
  } else if (!split.address.empty() || split.port != line) {
    std::abort();
  } else if (line.size() >= 2 && line.substr(0, line.size() - 1).find(':') != std::string::npos) {
    std::abort();  // a usable ":" was missed
  }
  return 0;
}
