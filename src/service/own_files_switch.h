#pragma once
// "62409value": whether the client takes its special configuration files. One predicate
// serves every file choice, so the site file, the market-data file and the GM settings agree.
#include <string>
#include <string_view>

namespace ruzi {

// The variable as read, "" when unset (log lines show it so).
std::string SpecialConfigValue();
// False for "0" and for an unset or blank variable (read as "0"); blanks around are ignored.
bool SpecialConfigRequested(std::string_view value);

}  // namespace ruzi
