#pragma once
#include <string_view>

namespace ruzi::platform {

// Tells every top-level window that a system setting changed (WM_SETTINGCHANGE with the area
// name as text, e.g. "Environment"). A window that does not answer within a few seconds is
// skipped. Natively there are no windows and nothing happens.
void BroadcastSettingChange(std::string_view area);

}  // namespace ruzi::platform
