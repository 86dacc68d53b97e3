#include <gtest/gtest.h>

#include "platform/environment.h"
#include "platform/registry.h"
#include "security/global_environment.h"

namespace ruzi {
namespace {

constexpr const char* kEnvironmentKey = "System\\CurrentControlSet\\Control\\Session Manager\\Environment";

TEST(GlobalEnvironment, WritesTheMachineKeyAndThisProcess) {
  ASSERT_TRUE(SetGlobalEnvironment("RUZI_GLOBAL_TEST", "value \xD6\xD0"));
  EXPECT_EQ(platform::GetEnvironment("RUZI_GLOBAL_TEST"), "value \xD6\xD0");
  platform::RegistryKey key = platform::RegistryKey::Open(platform::RegistryRoot::LocalMachine, kEnvironmentKey, true);
  ASSERT_TRUE(key.IsOpen());
  EXPECT_EQ(key.ReadString("RUZI_GLOBAL_TEST"), "value \xD6\xD0");
  // Later processes of the test prefix must not inherit it.
  EXPECT_TRUE(key.DeleteValue("RUZI_GLOBAL_TEST"));
  platform::UnsetEnvironment("RUZI_GLOBAL_TEST");
}

}  // namespace
}  // namespace ruzi
