#include "platform/setting_change.h"

namespace ruzi::platform {

void BroadcastSettingChange(std::string_view) {}

}  // namespace ruzi::platform
