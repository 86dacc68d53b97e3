#pragma once
// ztsdk.dll and its national-cipher copies, loaded by full path from the test's folder.
#include <string>

#include "platform/dynamic_library.h"
#include "slot_layout_checks.h"
#include "speed_checks.h"

namespace ruzi::testing {

// "" for the plain SDK, "geer_gm\\" or "xasj_gm\\".
platform::DynamicLibrary LoadSdk(const std::string& folder);
SdkEntries SlotEntries(const platform::DynamicLibrary& sdk);
SpeedEntries SpeedEntriesOf(const platform::DynamicLibrary& sdk);

}  // namespace ruzi::testing
