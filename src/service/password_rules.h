#pragma once
// The rules for a new operator password, by level: 1 none, 2 length, 3 character classes,
// any other level both. Bytes are classed one by one (letters, digits, everything else, the
// two bytes of a Chinese character included).
#include <cstdint>
#include <string>
#include <string_view>

namespace ruzi {

// One line (ending in CR) per rule the password breaks, the length rule first; "" when it
// passes.
std::string PasswordRuleFailures(std::string_view password, int32_t level);

}  // namespace ruzi
