#pragma once
// The server address list of the client, as WSNADDR writes it: one or more "//host:port"
// (the slashes may be left out) separated by "," or ";". Sign-on tries them in order.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ruzi::wsclient {

struct ServerAddress {
  std::string host;
  uint16_t port = 0;
  bool operator==(const ServerAddress&) const = default;
};

// Empty with `problem` set (GBK) when the text is empty or an entry is malformed.
std::vector<ServerAddress> ParseServerAddresses(std::string_view text, std::string* problem);
std::string AddressText(const ServerAddress& address);

}  // namespace ruzi::wsclient
