#pragma once
// A packet's bytes as lower-case hex, the form the SDK tests' known answers keep them in.
#include <cstddef>
#include <string>

namespace ruzi::testing {

inline std::string HexOf(const char* data, size_t size) {
  static const char kDigits[] = "0123456789abcdef";
  std::string hex;
  for (size_t i = 0; i < size; ++i) {
    const auto byte = static_cast<unsigned char>(data[i]);
    hex += {kDigits[byte >> 4], kDigits[byte & 15]};
  }
  return hex;
}

}  // namespace ruzi::testing
