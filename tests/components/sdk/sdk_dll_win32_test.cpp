// ztsdk.dll and its national-cipher copies under Wine, loaded by full path as the library loads
// them: every entry the library binds exported by name, the copies separate modules, and the
// Winsock exchange of GetMultiNetWorkSpeed with a frozen server (its backlog accepts, nothing
// answers) and a killed one's port. The slots, ranking, sessions and probes side by side are
// proven natively; live servers through Winsock by the server selection's Wine test.
#include <gtest/gtest.h>

#include <set>

#include "mwd_server.h"
#include "platform/dynamic_library.h"
#include "platform/paths.h"
#include "service/zt_sdk_entries.h"
#include "speed_checks.h"

namespace ruzi::testing {
namespace {

// "" for the plain SDK, "geer_gm\\" or "xasj_gm\\".
platform::DynamicLibrary LoadSdk(const std::string& folder) {
  return platform::DynamicLibrary::LoadFullPath(platform::ExecutableDirectory() + folder + "ztsdk.dll");
}

TEST(SdkDll, EveryCopyExportsEveryEntryAndReportsItsOwnVersion) {
  std::set<void*> modules;
  std::set<int32_t> versions;
  for (const char* folder : {"", "geer_gm\\", "xasj_gm\\"}) {
    SCOPED_TRACE(folder);
    platform::DynamicLibrary sdk = LoadSdk(folder);
    ASSERT_TRUE(sdk.IsLoaded()) << platform::DynamicLibrary::LastError();
    for (const SdkEntryInfo& entry : kSdkEntries) EXPECT_NE(sdk.Export(entry.name), nullptr) << entry.name;
    modules.insert(sdk.Handle());
    versions.insert(sdk.ExportAs<int32_t (*)()>("GetVersionInfo")());
  }
  EXPECT_EQ(modules.size(), 3u) << "three modules, not one aliased by its base name";
  EXPECT_EQ(versions, (std::set<int32_t>{0x02010000, 0x02010001, 0x02010002}));
}

TEST(SdkDllSpeed, SilentAndClosedServersThroughWinsock) {
  platform::DynamicLibrary sdk = LoadSdk("geer_gm\\");  // the copies probe alike
  ASSERT_TRUE(sdk.IsLoaded());
  const SpeedEntries entries{sdk.ExportAs<decltype(SpeedEntries::new_packer)>("NewPacker"),
                             sdk.ExportAs<decltype(SpeedEntries::get_multi_speed)>("GetMultiNetWorkSpeed")};
  PrivateServer live("sdk-live");
  PrivateServer silent("sdk-silent");
  PrivateServer closed("sdk-closed");
  silent.Freeze();
  closed.Kill();
  std::vector<std::string> lines;
  for (const PrivateServer* server : {&live, &silent, &closed}) lines.push_back("127.0.0.1:" + std::to_string(server->Port()));
  SpeedAnswer answer = MeasureSpeeds(entries, lines, 1500);
  ExpectUnreachableWithinTheTimeOut(answer, 1, 2, 1500, 400);
  EXPECT_GE(answer.rows[0].net_delay, 0);
}

}  // namespace
}  // namespace ruzi::testing
