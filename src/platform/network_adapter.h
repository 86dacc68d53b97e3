#pragma once
// The machine's first running network adapter other than the loopback, as the operation log
// records the machine: its hardware address and addresses.
#include <string>

namespace ruzi::platform {

struct NetworkAdapter {
  std::string mac;   // "XX-XX-XX-XX-XX-XX", upper-case hex
  std::string ipv4;  // its first IPv4 address, dotted decimal
  std::string ipv6;  // its first global IPv6 address
};

// Empty fields when no adapter is up or a part cannot be read.
NetworkAdapter FirstRunningAdapter();

// Six bytes as "XX-XX-XX-XX-XX-XX"; "" for any other length.
std::string MacText(const unsigned char* bytes, size_t length);

}  // namespace ruzi::platform
