#pragma once
// The SDK's small utility entries, kept apart from the export stubs so they are tested natively.
#include <cstdint>
#include <string>

#include "server_probe.h"

namespace ruzi::sdk {

// Upper-case hex of `input` into `output` of `capacity` bytes (NUL included); the count of
// characters written, or -1 when it does not fit or a pointer is missing.
int32_t HexEncode(char* output, const char* input, int32_t capacity);

// "address:port", split at the last ':' so IPv6 addresses keep theirs; one probe.
ServerSpeed ProbeAddressText(const std::string& server, uint32_t timeout_ms);

}  // namespace ruzi::sdk
