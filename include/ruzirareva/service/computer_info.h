#pragma once
// The machine as the operation log and the sign-on record it. Read once per process, on the
// first call, and kept; any thread may call GetComputerInfo.
#include <string>

#include "ruzirareva/export.h"

namespace ruzi {

struct RComputerInfo {
  std::string computer_name;
  std::string mac;            // "XX-XX-XX-XX-XX-XX" of the first running non-loopback adapter
  std::string ip_address;     // that adapter's first IPv4 address
  std::string ipv6;           // its first global IPv6 address, or ""
  std::string volume_serial;  // "XXXX-XXXX" of the executable's volume
};

// The machine's identity; fields that cannot be read are "".
RUZI_API const RComputerInfo& GetComputerInfo();

}  // namespace ruzi
