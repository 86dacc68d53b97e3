#pragma once
// The server a Windows timing program measures: "//host:port" from the first argument or
// WSNADDR, which is then set for the middleware client too.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <string>

namespace ruzi::bench {

struct ServerArgument {
  std::string host;
  uint16_t port = 0;
};

// False (with the usage printed) when no address was given.
inline bool ReadServerArgument(int argc, char** argv, const char* program, ServerArgument& server) {
  std::string address = argc > 1 ? argv[1] : "";
  if (address.empty()) {
    char value[256] = {};
    GetEnvironmentVariableA("WSNADDR", value, sizeof value);
    address = value;
  }
  const size_t colon = address.rfind(':');
  if (address.rfind("//", 0) != 0 || colon == std::string::npos) {
    std::fprintf(stderr, "usage: %s //host:port (or WSNADDR)\n", program);
    return false;
  }
  SetEnvironmentVariableA("WSNADDR", address.c_str());
  server.host = address.substr(2, colon - 2);
  server.port = static_cast<uint16_t>(std::stoi(address.substr(colon + 1)));
  return true;
}

}  // namespace ruzi::bench
