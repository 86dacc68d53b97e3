#include <cstdio>

#include "platform/network_adapter.h"

namespace ruzi::platform {

std::string MacText(const unsigned char* bytes, size_t length) {
  if (length != 6) return "";
  char text[18];
  std::snprintf(text, sizeof text, "%02X-%02X-%02X-%02X-%02X-%02X", bytes[0], bytes[1], bytes[2], bytes[3], bytes[4],
                bytes[5]);
  return text;
}

}  // namespace ruzi::platform
