// ztsdk.dll as the library loads it: every entry the library binds exported by name, and the two national-cipher
// copies as separate modules (the slots are called through raw offsets natively; the library's
// own binding calls them across the DLL boundary).
#include <gtest/gtest.h>

#include <set>

#include "sdk_entries_win32.h"
#include "service/zt_sdk_entries.h"

namespace ruzi::testing {
namespace {

using VersionInfo = int32_t (*)();

TEST(SdkDll, EveryCopyExportsEveryEntryAndReportsItsOwnVersion) {
  std::set<void*> modules;
  std::set<int32_t> versions;
  for (const char* folder : {"", "geer_gm\\", "xasj_gm\\"}) {
    SCOPED_TRACE(folder);
    platform::DynamicLibrary sdk = LoadSdk(folder);
    ASSERT_TRUE(sdk.IsLoaded()) << platform::DynamicLibrary::LastError();
    for (const SdkEntryInfo& entry : kSdkEntries) EXPECT_NE(sdk.Export(entry.name), nullptr) << entry.name;
    modules.insert(sdk.Handle());
    versions.insert(sdk.ExportAs<VersionInfo>("GetVersionInfo")());
  }
  EXPECT_EQ(modules.size(), 3u) << "three modules, not one aliased by its base name";
  EXPECT_EQ(versions, (std::set<int32_t>{0x02010000, 0x02010001, 0x02010002}));
}

}  // namespace
}  // namespace ruzi::testing
