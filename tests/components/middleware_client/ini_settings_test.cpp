// The server address from wtuxws32.ini beside the DLL. Runs from a folder of its own with a
// copy of the DLL, so the file it writes does not reach the other tests.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "client_calls.h"
#include "client_entries.h"
#include "mwd_server.h"
#include "platform/environment.h"
#include "platform/paths.h"

namespace ruzi::testing {
namespace {

TEST(ClientSettingsFile, AddressComesFromTheFileBesideTheDllUnlessWsnaddrIsSet) {
  const ClientEntries& c = Client();
  ASSERT_FALSE(c.module_path.empty());
  const std::string folder = c.module_path.substr(0, c.module_path.find_last_of("\\/") + 1);
  ASSERT_EQ(folder, platform::ExecutableDirectory()) << "the copy beside the test must be the one loaded";
  const std::string ini = folder + "wtuxws32.ini";
  DeleteFileA(ini.c_str());
  platform::UnsetEnvironment("WSNADDR");
  ASSERT_EQ(SignOn(), -1);
  EXPECT_NE(std::string(c.tpstrerror(c.gettperrno())).find("-5"), std::string::npos);

  ASSERT_TRUE(WritePrivateProfileStringA("Client", "WSNADDR", FixtureAddress().c_str(), ini.c_str()));
  ASSERT_EQ(SignOn(), 0) << c.tpstrerror(c.gettperrno());
  EXPECT_EQ(CallText("demo_echo", "<x>from the file</x>").status, 0);
  c.tpterm();

  platform::SetEnvironment("WSNADDR", "//127.0.0.1:notaport");
  EXPECT_EQ(SignOn(), -1);
  EXPECT_NE(std::string(c.tpstrerror(c.gettperrno())).find("-5"), std::string::npos);
  platform::UnsetEnvironment("WSNADDR");
  DeleteFileA(ini.c_str());
}

}  // namespace
}  // namespace ruzi::testing
