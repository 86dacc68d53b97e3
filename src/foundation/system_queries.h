#pragma once
// Questions to the operating system that forms and logs put into their texts.
// (<windows.h> turns GetComputerName into GetComputerNameA: files that include it call
// these through the platform layer instead.)
#include <string>

namespace ruzi {

// The last operating-system error as "<decimal code>:<system message>".
std::string GetWinErrMsg();

// The machine name, as read into a 30-byte buffer: "" when it does not fit.
std::string GetComputerName();

}  // namespace ruzi
