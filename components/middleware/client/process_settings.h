#pragma once
// Settings of the client that hold for the whole process and every context: the route
// name sent with each call (the server records it), and the security and proxy settings
// callers hand over. Safe for any thread.
#include <string>
#include <string_view>

namespace ruzi::wsclient {

void SetRouteName(std::string_view name);
std::string RouteName();
void SetSecurityConfig(std::string_view text);
std::string SecurityConfig();
void SetProxy(std::string_view address);
std::string Proxy();

}  // namespace ruzi::wsclient
