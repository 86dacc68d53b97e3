// ztsdk.dll as the library loads it: every entry exported by name, the slot layout called
// through raw offsets, and the two national-cipher copies as separate modules.
#include <gtest/gtest.h>

#include <random>
#include <set>

#include "random_table.h"
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

TEST(SdkDll, SlotsCalledThroughRawOffsets) {
  for (const char* folder : {"", "xasj_gm\\"}) {
    SCOPED_TRACE(folder);
    platform::DynamicLibrary sdk = LoadSdk(folder);
    ASSERT_TRUE(sdk.IsLoaded());
    const SdkEntries entries = SlotEntries(sdk);
    for (int version : {1, 2}) {
      CheckNamedSlots(entries, version);
      CheckOwnSlots(entries, version);
    }
    CheckReferenceCounts(entries);
    CheckReaderOverCallerBuffer(entries);
  }
}

TEST(SdkDll, RandomTablesWrittenByOneCopyAreReadByAnother) {
  platform::DynamicLibrary plain = LoadSdk("");
  platform::DynamicLibrary geer = LoadSdk("geer_gm\\");
  using NewPackerFn = sdk::IF2Packer* (*)(int32_t);
  using NewReaderFn = sdk::IF2UnPacker* (*)(void*, uint32_t);
  auto new_packer = geer.ExportAs<NewPackerFn>("NewPacker");
  auto new_reader = plain.ExportAs<NewReaderFn>("NewUnPacker");
  auto new_reader_v1 = plain.ExportAs<NewReaderFn>("NewUnPackerV1");
  ASSERT_TRUE(new_packer && new_reader && new_reader_v1);
  std::mt19937 random(3);
  for (int round = 0; round < 40; ++round) {
    for (int version : {1, 2}) {
      TableModel table = RandomTable(random, version, 20);
      sdk::IF2Packer* packer = new_packer(version);
      WriteTable(table, packer);
      sdk::IF2UnPacker* reader = (version == 1 ? new_reader_v1 : new_reader)(packer->PackBuffer(),
                                                                              static_cast<uint32_t>(packer->PackLength()));
      ExpectSameTable(table, reader, "round " + std::to_string(round));
      if (reader != nullptr) reader->Release();
      packer->Release();
    }
  }
}

}  // namespace
}  // namespace ruzi::testing
