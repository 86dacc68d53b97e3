#pragma once
// Trimming as the client has always done it: every byte up to and including the blank (control
// characters too) counts as white space. GBK bytes are all above 0x80, so they are never trimmed.
// Pure functions: any thread may call them.
#include <string>
#include <string_view>

#include "ruzirareva/export.h"

namespace ruzi {

RUZI_API std::string Trim(std::string_view text);
RUZI_API std::string TrimLeft(std::string_view text);
RUZI_API std::string TrimRight(std::string_view text);

}  // namespace ruzi
