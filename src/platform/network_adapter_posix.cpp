#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>
#include <netpacket/packet.h>

#include <string_view>

#include "platform/network_adapter.h"

namespace ruzi::platform {
namespace {

bool Usable(const ifaddrs* entry) {
  return entry->ifa_addr != nullptr && (entry->ifa_flags & IFF_UP) && (entry->ifa_flags & IFF_RUNNING) &&
         !(entry->ifa_flags & IFF_LOOPBACK);
}

}  // namespace

// The first running interface by name order of the kernel's list, as on Windows.
NetworkAdapter FirstRunningAdapter() {
  ifaddrs* all = nullptr;
  if (getifaddrs(&all) != 0) return {};
  NetworkAdapter found;
  std::string_view chosen;
  for (const ifaddrs* entry = all; entry; entry = entry->ifa_next) {
    if (!Usable(entry)) continue;
    if (chosen.empty()) chosen = entry->ifa_name;
    if (chosen != entry->ifa_name) continue;
    const int family = entry->ifa_addr->sa_family;
    char text[INET6_ADDRSTRLEN] = {};
    if (family == AF_PACKET) {
      const auto* link = reinterpret_cast<const sockaddr_ll*>(entry->ifa_addr);
      found.mac = MacText(link->sll_addr, link->sll_halen);
    } else if (family == AF_INET && found.ipv4.empty()) {
      inet_ntop(AF_INET, &reinterpret_cast<const sockaddr_in*>(entry->ifa_addr)->sin_addr, text, sizeof text);
      found.ipv4 = text;
    } else if (family == AF_INET6 && found.ipv6.empty()) {
      const in6_addr& address = reinterpret_cast<const sockaddr_in6*>(entry->ifa_addr)->sin6_addr;
      if ((address.s6_addr[0] & 0xE0) == 0x20) found.ipv6 = inet_ntop(AF_INET6, &address, text, sizeof text);
    }
  }
  freeifaddrs(all);
  return found;
}

}  // namespace ruzi::platform
