#pragma once
// Setting an environment variable for the whole machine, as an installer of the client does.
// Any thread may call it; it returns once every top-level window has answered the broadcast
// or timed out.
#include <string_view>

#include "ruzirareva/export.h"

namespace ruzi {

// A machine-wide environment variable: written under the machine's "Session Manager\Environment"
// key (HKEY_LOCAL_MACHINE, created when missing), set in this process too, and announced to
// every top-level window with WM_SETTINGCHANGE "Environment". Returns whether the key could be
// opened.
RUZI_API bool SetGlobalEnvironment(std::string_view name, std::string_view value);

}  // namespace ruzi
