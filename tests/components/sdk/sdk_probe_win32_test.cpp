// GetMultiNetWorkSpeed of ztsdk.dll under Wine against three ruzi-mwd servers started by
// CTest fixtures with different delays, a frozen private one (its backlog accepts, nothing
// answers) and a killed one's port.
#include <gtest/gtest.h>

#include <fstream>

#include "mwd_server.h"
#include "sdk_entries_win32.h"

namespace ruzi::testing {
namespace {

const std::vector<int> kDelays = {100, 400, 250};
const char* const kFixtureDirs[] = {RUZI_SDK_FIXTURE_100, RUZI_SDK_FIXTURE_400, RUZI_SDK_FIXTURE_250};

std::string Local(int port) { return "127.0.0.1:" + std::to_string(port); }

std::vector<std::string> LiveServers() {
  std::vector<std::string> lines;
  for (const char* dir : kFixtureDirs) {
    std::ifstream in(std::string(dir) + "/port");
    int port = 0;
    in >> port;
    EXPECT_GT(port, 0) << dir;
    lines.push_back(Local(port));
  }
  return lines;
}

// The ranking and the probes side by side are proven natively; here the Winsock exchange of
// each kind of server.
TEST(SdkDllSpeed, LiveSilentAndClosedServersThroughWinsock) {
  platform::DynamicLibrary sdk = LoadSdk("geer_gm\\");  // the copies probe alike
  ASSERT_TRUE(sdk.IsLoaded());
  PrivateServer silent("sdk-silent");
  PrivateServer closed("sdk-closed");
  silent.Freeze();
  closed.Kill();
  std::vector<std::string> lines = LiveServers();
  lines.insert(lines.begin() + 1, Local(silent.Port()));
  lines.push_back(Local(closed.Port()));
  SpeedAnswer answer = MeasureSpeeds(SpeedEntriesOf(sdk), lines, 1500);
  ExpectUnreachableWithinTheTimeOut(answer, 1500, 400);
  for (size_t live : {0u, 2u, 3u}) EXPECT_GE(answer.rows[live].net_delay, kDelays[live == 0 ? 0 : live - 1]);
}

}  // namespace
}  // namespace ruzi::testing
