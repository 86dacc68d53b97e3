// GetMultiNetWorkSpeed of ztsdk.dll under Wine: the Winsock exchange of a frozen server (its
// backlog accepts, nothing answers) and a killed one's port. Ranking, sessions and probes side by
// side are proven natively; live servers through Winsock by the server selection's Wine test.
#include <gtest/gtest.h>

#include "mwd_server.h"
#include "sdk_entries_win32.h"

namespace ruzi::testing {
namespace {

TEST(SdkDllSpeed, SilentAndClosedServersThroughWinsock) {
  platform::DynamicLibrary sdk = LoadSdk("geer_gm\\");  // the copies probe alike
  ASSERT_TRUE(sdk.IsLoaded());
  PrivateServer live("sdk-live");
  PrivateServer silent("sdk-silent");
  PrivateServer closed("sdk-closed");
  silent.Freeze();
  closed.Kill();
  std::vector<std::string> lines;
  for (const PrivateServer* server : {&live, &silent, &closed}) lines.push_back("127.0.0.1:" + std::to_string(server->Port()));
  SpeedAnswer answer = MeasureSpeeds(SpeedEntriesOf(sdk), lines, 1500);
  ExpectUnreachableWithinTheTimeOut(answer, 1, 2, 1500, 400);
  EXPECT_GE(answer.rows[0].net_delay, 0);
}

}  // namespace
}  // namespace ruzi::testing
