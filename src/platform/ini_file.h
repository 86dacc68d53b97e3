#pragma once
// INI files with the Windows profile rules: sections and keys compared ignoring ASCII case,
// values trimmed and one pair of surrounding quotes removed, the file read afresh on every call.
// The native implementation follows the same rules so the portable tests see the same results.
#include <string>
#include <string_view>
#include <vector>

namespace ruzi::platform {

std::string ReadIniString(std::string_view file, std::string_view section, std::string_view key,
                          std::string_view default_value);
// Decimal with an optional sign, or hex written "$1F" or "0x1F"; otherwise the default.
int ReadIniInteger(std::string_view file, std::string_view section, std::string_view key, int default_value);
bool WriteIniString(std::string_view file, std::string_view section, std::string_view key,
                    std::string_view value);
// Keys of a section in file order; section names of the file when section is empty.
std::vector<std::string> ReadIniKeys(std::string_view file, std::string_view section);

}  // namespace ruzi::platform
