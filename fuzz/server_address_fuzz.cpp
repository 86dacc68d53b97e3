// The client's server address list (WSNADDR or its settings file): never crashes, and what
// it accepts prints back to a text that parses to the same list.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "server_address.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string problem;
  auto parsed = ruzi::wsclient::ParseServerAddresses(
      std::string_view(reinterpret_cast<const char*>(data), size), &problem);
  if (parsed.empty()) return 0;
  std::string printed;
  for (const auto& address : parsed) printed += ruzi::wsclient::AddressText(address) + ";";
  std::string again_problem;
  if (ruzi::wsclient::ParseServerAddresses(printed, &again_problem) != parsed) std::abort();
  return 0;
}
