#include <winsock2.h>
#include <ws2tcpip.h>
#include <iphlpapi.h>

#include <vector>

#include "platform/network_adapter.h"

namespace ruzi::platform {
namespace {

std::string AddressText(const SOCKET_ADDRESS& address) {
  char text[INET6_ADDRSTRLEN] = {};
  const sockaddr* raw = address.lpSockaddr;
  if (raw->sa_family == AF_INET) {
    inet_ntop(AF_INET, &reinterpret_cast<const sockaddr_in*>(raw)->sin_addr, text, sizeof text);
  } else {
    inet_ntop(AF_INET6, &reinterpret_cast<const sockaddr_in6*>(raw)->sin6_addr, text, sizeof text);
  }
  return text;
}

// Global unicast: 2000::/3.
bool IsGlobalIPv6(const SOCKET_ADDRESS& address) {
  const auto* in6 = reinterpret_cast<const sockaddr_in6*>(address.lpSockaddr);
  return (in6->sin6_addr.s6_addr[0] & 0xE0) == 0x20;
}

}  // namespace

NetworkAdapter FirstRunningAdapter() {
  ULONG size = 16 * 1024;
  std::vector<unsigned char> buffer;
  ULONG result = ERROR_BUFFER_OVERFLOW;
  for (int attempt = 0; attempt < 3 && result == ERROR_BUFFER_OVERFLOW; ++attempt) {
    buffer.resize(size);
    result = GetAdaptersAddresses(AF_UNSPEC, GAA_FLAG_SKIP_ANYCAST | GAA_FLAG_SKIP_MULTICAST | GAA_FLAG_SKIP_DNS_SERVER,
                                  nullptr, reinterpret_cast<IP_ADAPTER_ADDRESSES*>(buffer.data()), &size);
  }
  if (result != NO_ERROR) return {};
  for (auto* adapter = reinterpret_cast<IP_ADAPTER_ADDRESSES*>(buffer.data()); adapter; adapter = adapter->Next) {
    if (adapter->OperStatus != IfOperStatusUp || adapter->IfType == IF_TYPE_SOFTWARE_LOOPBACK) continue;
    NetworkAdapter found;
    found.mac = MacText(adapter->PhysicalAddress, adapter->PhysicalAddressLength);
    for (auto* unicast = adapter->FirstUnicastAddress; unicast; unicast = unicast->Next) {
      const int family = unicast->Address.lpSockaddr->sa_family;
      if (family == AF_INET && found.ipv4.empty()) found.ipv4 = AddressText(unicast->Address);
      if (family == AF_INET6 && found.ipv6.empty() && IsGlobalIPv6(unicast->Address)) {
        found.ipv6 = AddressText(unicast->Address);
      }
    }
    return found;
  }
  return {};
}

}  // namespace ruzi::platform
