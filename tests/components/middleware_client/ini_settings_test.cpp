// The server address from wtuxws32.ini beside the DLL. Runs from a folder of its own with a
// copy of the DLL, so the file it writes does not reach the other tests.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "client_calls.h"
#include "client_entries.h"
#include "mwd_server.h"
#include "platform/environment.h"
#include "platform/paths.h"

namespace ruzi::testing {
namespace {

TEST(ClientSettingsFile, AddressAndTimeOutComeFromTheFileBesideTheDll) {
  const ClientEntries& c = Client();
  ASSERT_FALSE(c.module_path.empty());
  const std::string folder = c.module_path.substr(0, c.module_path.find_last_of("\\/") + 1);
  ASSERT_EQ(folder, platform::ExecutableDirectory()) << "the copy beside the test must be the one loaded";
  const std::string ini = folder + "wtuxws32.ini";
  DeleteFileA(ini.c_str());  // what an earlier run left
  platform::UnsetEnvironment("WSNADDR");
  ASSERT_TRUE(WritePrivateProfileStringA("Client", "WSNADDR", FixtureAddress().c_str(), ini.c_str()));
  ASSERT_EQ(SignOn(), 0) << c.tpstrerror(c.gettperrno());
  EXPECT_EQ(CallText("demo_echo", "<x>from the file</x>").status, 0);
  c.tpterm();

  platform::SetEnvironment("WSNADDR", "//127.0.0.1:notaport");
  EXPECT_EQ(SignOn(), -1);
  EXPECT_NE(std::string(c.tpstrerror(c.gettperrno())).find("-5"), std::string::npos);
  platform::UnsetEnvironment("WSNADDR");
  DeleteFileA(ini.c_str());

  // A server that accepts but never answers: the sign-on wait ends at ConnectTimeout and the
  // text says it was a time-out, which the connection start counts as a network failure.
  // (One test: the cases share the settings file, and CTest runs tests side by side.)
  PrivateServer server("frozen-sign-on");
  platform::SetEnvironment("WSNADDR", server.Address());
  ASSERT_TRUE(WritePrivateProfileStringA("Client", "ConnectTimeout", "400", ini.c_str()));
  server.Freeze();
  auto start = std::chrono::steady_clock::now();
  int32_t status = SignOn();
  auto waited = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
  server.Thaw();
  DeleteFileA(ini.c_str());
  platform::UnsetEnvironment("WSNADDR");
  EXPECT_EQ(status, -1);
  EXPECT_EQ(c.gettperrno(), 12);
  EXPECT_NE(std::string(c.tpstrerror(12)).find("超时"), std::string::npos) << c.tpstrerror(12);
  EXPECT_GE(waited.count(), 350);
  EXPECT_LT(waited.count(), 3000);
}

}  // namespace
}  // namespace ruzi::testing
