#pragma once
// Passwords a client sends inside a request (<vc_password>, <vc_capital_password>) never
// reach the disk or the log: every such value is replaced before anything is stored.
#include <string>
#include <string_view>

namespace ruzi::mwd {

inline constexpr std::string_view kMaskedSecret = "******";

// Every occurrence, tag names in any letter case; an unclosed tag masks to the end of the text.
std::string MaskSecrets(std::string_view text);
// False when no password tag can be in `text` (MaskSecrets would return it unchanged).
bool MayHoldSecrets(std::string_view text);

}  // namespace ruzi::mwd
