#pragma once
// TEncryptType: whether one call of the encryption facade enciphers. Any thread may use it.
#include <cstdint>

namespace ruzi {

// Per call: etEncrypt always enciphers, etDisableEncrypt never does, etNone follows the
// user's registry switch (CheckDisableEncrypt).
enum TEncryptType : uint8_t { etDisableEncrypt = 0, etEncrypt = 1, etNone = 2 };

}  // namespace ruzi
