#include "sdk_utilities.h"

#include <cstring>

namespace ruzi::sdk {

int32_t HexEncode(char* output, const char* input, int32_t capacity) {
  if (output == nullptr || input == nullptr || capacity <= 0) return -1;
  const size_t size = std::strlen(input);
  if (size > (static_cast<size_t>(capacity) - 1) / 2) return -1;
  static constexpr char kDigits[] = "0123456789ABCDEF";
  for (size_t i = 0; i < size; ++i) {
    const auto byte = static_cast<unsigned char>(input[i]);
    output[2 * i] = kDigits[byte >> 4];
    output[2 * i + 1] = kDigits[byte & 0x0F];
  }
  output[2 * size] = '\0';
  return static_cast<int32_t>(2 * size);
}

ServerSpeed ProbeAddressText(const std::string& server, uint32_t timeout_ms) {
  const auto deadline = ProbeClock::now() + std::chrono::milliseconds(timeout_ms);
  const size_t colon = server.rfind(':');
  if (colon == std::string::npos || colon == 0 || colon + 1 == server.size()) {
    ServerSpeed speed;
    speed.last_error = kProbeBadAddress;
    return speed;
  }
  std::string address = server.substr(0, colon);
  if (address.size() > 2 && address.front() == '[' && address.back() == ']') address = address.substr(1, address.size() - 2);
  return ProbeServer(address, server.substr(colon + 1), deadline);
}

}  // namespace ruzi::sdk
