// ztsdk.dll as the library loads it: every entry exported by name, and the two national-cipher
// copies as separate modules (the slots are called through raw offsets natively; the library's
// own binding calls them across the DLL boundary).
#include <gtest/gtest.h>

#include <set>

#include "sdk_entries_win32.h"

namespace ruzi::testing {
namespace {

const char* const kEntries[] = {
    "GetVersionInfo", "NewConfig",      "NewConnection",     "NewESBMessage",  "NewPacker",
    "NewUnPacker",    "NewESBMessageEx", "NewUnPackerV1",    "Encode",         "GetPackVersion",
    "NewFilter",      "NewSubscribeParam", "GetRateBytes",   "ReSetRateBytes", "NewBizMessage",
    "NewBizMessageEx", "GetNetWorkSpeed", "GetMultiNetWorkSpeed", "NewEmptyUnPacker", "NewYJGMParam",
    "SetCommCfgFile"};

using VersionInfo = int32_t (*)();

TEST(SdkDll, EveryCopyExportsEveryEntryAndReportsItsOwnVersion) {
  std::set<void*> modules;
  std::set<int32_t> versions;
  for (const char* folder : {"", "geer_gm\\", "xasj_gm\\"}) {
    SCOPED_TRACE(folder);
    platform::DynamicLibrary sdk = LoadSdk(folder);
    ASSERT_TRUE(sdk.IsLoaded()) << platform::DynamicLibrary::LastError();
    for (const char* entry : kEntries) EXPECT_NE(sdk.Export(entry), nullptr) << entry;
    modules.insert(sdk.Handle());
    versions.insert(sdk.ExportAs<VersionInfo>("GetVersionInfo")());
  }
  EXPECT_EQ(modules.size(), 3u) << "three modules, not one aliased by its base name";
  EXPECT_EQ(versions, (std::set<int32_t>{0x02010000, 0x02010001, 0x02010002}));
}

}  // namespace
}  // namespace ruzi::testing
