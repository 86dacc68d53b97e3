#include "security/global_environment.h"

#include "platform/environment.h"
#include "platform/registry.h"
#include "platform/setting_change.h"

namespace ruzi {

bool SetGlobalEnvironment(std::string_view name, std::string_view value) {
  platform::RegistryKey key = platform::RegistryKey::OpenOrCreate(
      platform::RegistryRoot::LocalMachine, "System\\CurrentControlSet\\Control\\Session Manager\\Environment");
  if (!key.IsOpen()) return false;
  key.WriteString(name, value);
  platform::SetEnvironment(name, value);
  platform::BroadcastSettingChange("Environment");
  return true;
}

}  // namespace ruzi
