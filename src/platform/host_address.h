#pragma once
#include <string>

namespace ruzi::platform {

// The first IPv4 address the host's own name resolves to, in dotted decimal without leading
// zeros; "" when the sockets layer, the name or the lookup fails.
std::string FirstHostIPv4Address();

}  // namespace ruzi::platform
