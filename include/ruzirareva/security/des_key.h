#pragma once
// The working key of a key type (1 to 4) and a short key string: always 15 bytes, built when
// needed and never stored. The constants it mixes in are listed in docs/crypto-keys.md. Any thread
// may call it.
#include <string>
#include <string_view>

#include "ruzirareva/export.h"

namespace ruzi {

// Throws ruzi::Error "密钥类型错误" for another type and "初始密钥长度不能大于15" for a key
// string of 16 bytes or more.
RUZI_API std::string GetDESKey(int key_type, std::string_view key);

}  // namespace ruzi
