// What the security entries read and write outside the process: the user's "DisableEncrypt"
// switch, the machine's environment key, the middleware's password variables.
#include <gtest/gtest.h>
#ifdef _WIN32
#include <windows.h>
#endif

#include <optional>

#include "platform/environment.h"
#include "platform/registry.h"
#include "security/encrypt_public.h"
#include "security/encrypt_switches.h"
#include "security/global_environment.h"
#include "security/tuxedo_pass.h"

namespace ruzi {
namespace {

platform::RegistryKey LoginKey() {
  return platform::RegistryKey::OpenOrCreate(platform::RegistryRoot::CurrentUser, "Software\\Trade\\Login");
}

// One test, so that no other test process changes the switch meanwhile (under Wine the
// registry is shared by every process of the prefix). Only exactly "Yes" turns enciphering
// off, for etNone alone, read afresh on every call; a missing value keeps it on.
TEST(RegistryGate, SwitchDecidesForEtNoneOnly) {
  const std::optional<std::string> before = LoginKey().ReadString("DisableEncrypt");
  for (const char* value : std::initializer_list<const char*>{"Yes", "yes", "YES", "Yes ", "No", "", "1", nullptr}) {
    value ? LoginKey().WriteString("DisableEncrypt", value) : LoginKey().DeleteValue("DisableEncrypt");
    const bool off = value && std::string(value) == "Yes";
    EXPECT_EQ(CheckDisableEncrypt(), !off) << value;
    const std::string text = qxEncryptEx(1, "key", "plain", etNone);
    EXPECT_EQ(text, off ? "plain" : Encrypt3DES(1, "key", "plain", etEncrypt)) << value;
    EXPECT_EQ(qxDecryptEx(1, "key", text, etNone), "plain");
    EXPECT_EQ(EncryptSM4(1, "key", "plain", etNone).size(), off ? 5u : 64u);
    EXPECT_EQ(qxEncryptEx(1, "key", "plain", etEncrypt).size(), 32u);
  }
  before ? LoginKey().WriteString("DisableEncrypt", *before) : LoginKey().DeleteValue("DisableEncrypt");
}

TEST(SecurityEnvironment, GlobalVariableGoesToTheMachineKeyAndThisProcess) {
  ASSERT_TRUE(SetGlobalEnvironment("RUZI_GLOBAL_TEST", "value \xD6\xD0"));
  EXPECT_EQ(platform::GetEnvironment("RUZI_GLOBAL_TEST"), "value \xD6\xD0");
  platform::RegistryKey key = platform::RegistryKey::Open(
      platform::RegistryRoot::LocalMachine, "System\\CurrentControlSet\\Control\\Session Manager\\Environment", true);
  ASSERT_TRUE(key.IsOpen());
  EXPECT_EQ(key.ReadString("RUZI_GLOBAL_TEST"), "value \xD6\xD0");
  // Later processes of the test prefix must not inherit it.
  EXPECT_TRUE(key.DeleteValue("RUZI_GLOBAL_TEST"));
  platform::UnsetEnvironment("RUZI_GLOBAL_TEST");
}

TEST(SecurityEnvironment, TuxedoPassSetsOnlyTheNonEmptyArguments) {
  const char* steps[][4] = {{"operator", "s3cret", "operator", "s3cret"}, {"", "other", "operator", "other"},
                            {"next", "", "next", "other"}, {"", "\xC3\xDC\xC2\xEB-pw", "next", "\xC3\xDC\xC2\xEB-pw"}};
  for (const auto& step : steps) {
    EXPECT_EQ(InitTuxedoPass(step[0], step[1]), 0);
    EXPECT_EQ(platform::GetEnvironment("TUXEDO_NAME"), step[2]);
    EXPECT_EQ(GetTuxedoPass(), step[3]);
  }
  EXPECT_EQ(platform::GetEnvironment("TUXEDO_PASS"), "\xC3\xDC\xC2\xEB-pw");
#ifdef _WIN32
  // The connection start reads them with the Win32 A call, in upper case.
  ASSERT_EQ(InitTuxedoPass("op", "Pw-123"), 0);
  char buffer[64] = {};
  EXPECT_EQ(std::string(buffer, GetEnvironmentVariableA("TUXEDO_PASS", buffer, sizeof buffer)), "Pw-123");
  EXPECT_EQ(std::string(buffer, GetEnvironmentVariableA("TUXEDO_NAME", buffer, sizeof buffer)), "op");
#endif
  platform::UnsetEnvironment("tuxedo_name");
  platform::UnsetEnvironment("tuxedo_pass");
  EXPECT_EQ(GetTuxedoPass(), "");
}

}  // namespace
}  // namespace ruzi
