#pragma once
// Questions to the operating system that forms and logs put into their texts.
// (<windows.h> turns GetComputerName into GetComputerNameA: files that include it call
// these through the platform layer instead.) Any thread may call them; GetWinErrMsg reports the
// calling thread's last error.
#include <string>

#include "ruzirareva/export.h"

namespace ruzi {

// The last operating-system error as "<decimal code>:<system message>".
RUZI_API std::string GetWinErrMsg();

// The machine name, as read into a 30-byte buffer: "" when it does not fit.
RUZI_API std::string GetComputerName();

}  // namespace ruzi
