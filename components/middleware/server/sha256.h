#pragma once
// SHA-256 of a byte string, so the audit trail can prove what a long request held while
// storing only its start.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace ruzi::mwd {

using Sha256Digest = std::array<uint8_t, 32>;

Sha256Digest Sha256(std::string_view bytes);
// The digest in lower-case hexadecimal (64 characters).
std::string Sha256Hex(std::string_view bytes);

}  // namespace ruzi::mwd
