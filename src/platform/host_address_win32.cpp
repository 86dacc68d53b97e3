#include <winsock2.h>

#include "platform/host_address.h"

namespace ruzi::platform {

std::string FirstHostIPv4Address() {
  // The sockets layer stays started: other parts of the process use it too.
  WSADATA data;
  if (WSAStartup(MAKEWORD(2, 0), &data) != 0) return "";
  char name[32] = {};
  if (gethostname(name, sizeof name) != 0) return "";
  const hostent* host = gethostbyname(name);
  if (host == nullptr || host->h_addrtype != AF_INET || host->h_addr_list[0] == nullptr) return "";
  const auto* bytes = reinterpret_cast<const unsigned char*>(host->h_addr_list[0]);
  return std::to_string(bytes[0]) + "." + std::to_string(bytes[1]) + "." + std::to_string(bytes[2]) + "." +
         std::to_string(bytes[3]);
}

}  // namespace ruzi::platform
