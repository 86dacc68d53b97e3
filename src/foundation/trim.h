#pragma once
// Trimming as the client has always done it: every byte up to and including the blank (control
// characters too) counts as white space. GBK bytes are all above 0x80, so they are never trimmed.
#include <string>
#include <string_view>

namespace ruzi {

std::string Trim(std::string_view text);
std::string TrimLeft(std::string_view text);
std::string TrimRight(std::string_view text);

}  // namespace ruzi
