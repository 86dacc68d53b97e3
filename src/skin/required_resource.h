#pragma once
// A named resource the loaders cannot do without: its bytes, or ruzi::Error with the system's
// text for why it was not found (the loaders put their own words in front).
#include <string>

namespace ruzi::skin {

std::string RequiredResourceBytes(void* module, const std::string& type, const std::string& name);
[[noreturn]] void ThrowLastSystemError();

}  // namespace ruzi::skin
