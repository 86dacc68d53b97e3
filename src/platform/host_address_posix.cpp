#include <arpa/inet.h>
#include <netdb.h>
#include <unistd.h>

#include "platform/host_address.h"

namespace ruzi::platform {

std::string FirstHostIPv4Address() {
  char name[32] = {};
  if (gethostname(name, sizeof name - 1) != 0) return "";
  addrinfo hints{};
  hints.ai_family = AF_INET;
  addrinfo* result = nullptr;
  if (getaddrinfo(name, nullptr, &hints, &result) != 0 || result == nullptr) return "";
  char text[INET_ADDRSTRLEN] = {};
  inet_ntop(AF_INET, &reinterpret_cast<sockaddr_in*>(result->ai_addr)->sin_addr, text, sizeof text);
  freeaddrinfo(result);
  return text;
}

}  // namespace ruzi::platform
