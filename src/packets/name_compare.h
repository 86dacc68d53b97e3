#pragma once
// Column names compared "ignoring case" the way the client means it: ASCII letters folded,
// double-byte GBK characters compared as they are (their second byte may look like a letter).
#include <string_view>

namespace ruzi {

bool SameNameIgnoringCase(std::string_view a, std::string_view b);

}  // namespace ruzi
