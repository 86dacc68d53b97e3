// The SDK's objects and entries linked in natively (the Windows test repeats the slot checks
// on ztsdk.dll itself): slot layout, reference counts, readers over callers' buffers, random
// tables through the objects, and the utility entries.
#include <gtest/gtest.h>

#include <random>

#include "random_table.h"
#include "slot_layout_checks.h"
#include "ztsdk.h"

namespace ruzi::testing {
namespace {

SdkEntries LinkedEntries() {
  SdkEntries entries;
  entries.new_packer = [](int32_t version) -> void* { return NewPacker(version); };
  entries.new_unpacker = [](void* buffer, uint32_t length) -> void* { return NewUnPacker(buffer, length); };
  entries.new_unpacker_v1 = [](void* buffer, uint32_t length) -> void* { return NewUnPackerV1(buffer, length); };
  entries.get_pack_version = GetPackVersion;
  return entries;
}

TEST(SdkObjects, SlotsReferenceCountsAndReadersOverCallersBuffers) {
  const SdkEntries entries = LinkedEntries();
  for (int version : {1, 2}) {
    CheckNamedSlots(entries, version);
    CheckOwnSlots(entries, version);
  }
  CheckReferenceCounts(entries);
  CheckReaderOverCallerBuffer(entries);
}

// The packer puts every value through the codec: its bytes are the codec writer's, and the
// reader over a copy of them reads what the codec reads.
TEST(SdkObjects, RandomTablesThroughThePackerGiveTheCodecsBytes) {
  std::mt19937 random(42);
  for (int round = 0; round < 100; ++round) {
    for (int version : {1, 2}) {
      TableModel table = RandomTable(random, version, 30);
      IF2Packer* packer = NewPacker(version);
      WriteTable(table, packer);
      sdk::PacketWriter writer(version);
      WriteTable(table, writer);
      std::vector<char> copy(static_cast<char*>(packer->PackBuffer()),
                             static_cast<char*>(packer->PackBuffer()) + packer->PackLength());
      ASSERT_EQ(std::string(copy.begin(), copy.end()), std::string(writer.Data(), writer.Size())) << round;
      packer->Release();
      IF2UnPacker* reader = (version == 1 ? NewUnPackerV1 : NewUnPacker)(copy.data(), static_cast<uint32_t>(copy.size()));
      ASSERT_NE(reader, nullptr);
      EXPECT_EQ(reader->RowCount(), static_cast<int32_t>(table.rows.size()));
      EXPECT_EQ(reader->ReturnCode(), table.return_code);
      reader->Release();
    }
  }
}

TEST(SdkObjects, PackerReaderFollowsThePacketAsItChanges) {
  IF2Packer* packer = NewPacker(2);
  packer->StartPack();
  packer->DefineField("a", 'I', 4, 0);
  packer->PutInt(1);
  IF2UnPacker* reader = packer->OpenAsReader();
  EXPECT_EQ(reader->RowCount(), 1);
  for (int i = 2; i < 2000; ++i) packer->PutInt(i);  // the buffer moves many times
  EXPECT_EQ(reader->RowCount(), 0) << "closed when the packet changed";
  EXPECT_EQ(packer->OpenAsReader(), reader) << "one reader per packer";
  EXPECT_EQ(reader->RowCount(), 1999);
  reader->GoLast();
  EXPECT_EQ(reader->IntByName("a"), 1999);
  packer->Release();
}

TEST(SdkObjects, EmptyReadersAndFactoriesWithoutObjects) {
  for (int version : {1, 2}) {
    IF2UnPacker* empty = NewEmptyUnPacker(version);
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(empty->Version(), version);
    EXPECT_EQ(empty->RowCount(), 0);
    EXPECT_TRUE(empty->IsEof());
    EXPECT_STREQ(empty->StrByName("x"), "");
    EXPECT_EQ(GetPackVersion(empty->ReaderBuffer()), version);
    empty->Release();
  }
  EXPECT_EQ(NewEmptyUnPacker(0), nullptr);
  // The factories of objects our SDK does not offer.
  for (void* none : {NewConfig(), NewConnection(nullptr), NewESBMessage(1), NewESBMessageEx(1, nullptr, 0, 0),
                     NewFilter(), NewSubscribeParam(), NewBizMessage(), NewBizMessageEx(0), NewYJGMParam()}) {
    EXPECT_EQ(none, nullptr);
  }
  EXPECT_EQ(SetCommCfgFile("t2sdk.ini"), 0);
  EXPECT_EQ(SetCommCfgFile(""), -1);
  EXPECT_EQ(SetCommCfgFile(nullptr), -1);
}

TEST(SdkObjects, EncodeWritesHexWithinTheCapacity) {
  char out[8];
  EXPECT_EQ(Encode(out, "\x01\xAB\x7f", 7), 6);
  EXPECT_STREQ(out, "01AB7F");
  EXPECT_EQ(Encode(out, "\x01\xAB\x7f", 6), -1) << "no room for the NUL";
  EXPECT_EQ(Encode(out, "", 1), 0);
  EXPECT_STREQ(out, "");
  EXPECT_EQ(Encode(nullptr, "a", 8), -1);
  EXPECT_EQ(Encode(out, nullptr, 8), -1);
}

}  // namespace
}  // namespace ruzi::testing
