#pragma once
// ztsdk.dll and its national-cipher copies, loaded by full path from the test's folder.
#include <string>

#include "platform/dynamic_library.h"
#include "speed_checks.h"

namespace ruzi::testing {

// "" for the plain SDK, "geer_gm\\" or "xasj_gm\\".
platform::DynamicLibrary LoadSdk(const std::string& folder);
SpeedEntries SpeedEntriesOf(const platform::DynamicLibrary& sdk);

}  // namespace ruzi::testing
