#include "server_address.h"

#include "foundation/trim.h"

namespace ruzi::wsclient {
namespace {

bool ParseOne(std::string_view entry, ServerAddress* address) {
  if (entry.substr(0, 2) == "//") entry.remove_prefix(2);
  size_t colon = entry.rfind(':');
  if (colon == std::string_view::npos || colon == 0 || colon + 1 == entry.size()) return false;
  uint32_t port = 0;
  for (char c : entry.substr(colon + 1)) {
    if (c < '0' || c > '9') return false;
    port = port * 10 + static_cast<uint32_t>(c - '0');
    if (port > 65535) return false;
  }
  if (port == 0) return false;
  address->host.assign(entry.substr(0, colon));
  address->port = static_cast<uint16_t>(port);
  return true;
}

}  // namespace

std::vector<ServerAddress> ParseServerAddresses(std::string_view text, std::string* problem) {
  std::vector<ServerAddress> addresses;
  if (Trim(text).empty()) {
    *problem = "未设置服务器地址(WSNADDR)";
    return addresses;
  }
  while (!text.empty()) {
    size_t end = text.find_first_of(",;");
    const std::string entry = Trim(text.substr(0, end));
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    if (entry.empty()) continue;
    ServerAddress address;
    if (!ParseOne(entry, &address)) {
      *problem = "服务器地址格式错误: " + entry;
      return {};
    }
    addresses.push_back(std::move(address));
  }
  if (addresses.empty()) *problem = "未设置服务器地址(WSNADDR)";
  return addresses;
}

std::string AddressText(const ServerAddress& address) {
  return "//" + address.host + ":" + std::to_string(address.port);
}

}  // namespace ruzi::wsclient
