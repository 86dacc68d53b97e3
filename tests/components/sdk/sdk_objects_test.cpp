// The SDK's objects and entries, called through raw slot numbers of their operation tables
// the way a caller compiled against another declaration of the interfaces calls them:
// slot layout, reference counts, readers over callers' buffers, and the utility entries.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "packets/sdk_packet/sdk_packet_reader.h"
#include "ztsdk.h"

namespace ruzi::testing {
namespace {

// Packer slots.
constexpr int kQueryInterface = 0, kAddRef = 1, kRelease = 2;
constexpr int kReserve = 3, kStartPack = 4, kPackerVersion = 5, kDefineField = 6, kPutStr = 7, kPutInt = 8,
              kPutDouble = 9, kPutChar = 10, kPutRaw = 11, kFinishPack = 12, kPackBuffer = 13, kPackLength = 14,
              kBufferCapacity = 15, kSetReturnCode = 16, kErrorText = 17, kOpenAsReader = 18, kReleaseBuffer = 19;
// Reader slots.
constexpr int kReaderVersion = 3, kFieldCount = 4, kFieldName = 5, kFieldType = 6, kFieldWidth = 7, kFieldScale = 8,
              kFieldIndex = 9, kStrByName = 10, kStrAt = 11, kCharByName = 12, kCharAt = 13, kDoubleByName = 14,
              kDoubleAt = 15, kIntByName = 16, kIntAt = 17, kRawByName = 18, kRawAt = 19, kNextRow = 20, kIsEof = 21,
              kGoToRow = 22, kCurrentRow = 23, kPriorRow = 24, kGoLast = 25, kIsBof = 26, kReturnCode = 27,
              kValueLengthAt = 28, kReaderBuffer = 29, kReaderLength = 30, kRowCount = 31, kGoFirst = 32;

// Operation `slot` of `object`, with the object as first argument.
template <typename Result, typename... Args>
Result CallSlot(void* object, int slot, Args... args) {
  using Operation = Result (*)(void*, Args...);
  Operation operation = (*static_cast<Operation**>(object))[slot];
  return operation(object, args...);
}

const char* const kServers[][2] = {{"10.0.0.1", "9001"}, {"fe80::1", "9002"}, {"10.0.0.3", "9003"}};

// The request of a speed measurement, built as the library builds it.
void* AddressPacker(int version) {
  void* packer = NewPacker(version);
  CallSlot<void>(packer, kStartPack);
  CallSlot<void>(packer, kStartPack);
  EXPECT_EQ(CallSlot<int32_t>(packer, kDefineField, "address", 'S', int32_t{255}, int32_t{4}), 0);
  EXPECT_EQ(CallSlot<int32_t>(packer, kDefineField, "port", 'S', int32_t{255}, int32_t{4}), 0);
  for (const auto& server : kServers) {
    CallSlot<int32_t>(packer, kPutStr, server[0]);
    CallSlot<int32_t>(packer, kPutStr, server[1]);
  }
  CallSlot<void>(packer, kFinishPack);
  return packer;
}

TEST(SdkObjects, NamedSlotsGiveTheCodecsBytesAndReadThemBackByName) {
  for (int version : {1, 2}) {
    SCOPED_TRACE(version);
    void* packer = AddressPacker(version);
    void* buffer = CallSlot<void*>(packer, kPackBuffer);
    const int32_t length = CallSlot<int32_t>(packer, kPackLength);
    ASSERT_NE(buffer, nullptr);
    EXPECT_EQ(GetPackVersion(buffer), version);
    sdk::PacketReader codec;  // the bytes, read by the codec on its own
    codec.Open(static_cast<const char*>(buffer), static_cast<size_t>(length));
    ASSERT_EQ(codec.FieldCount(), 2u);
    EXPECT_STREQ(codec.Field(0).name, "address");
    EXPECT_EQ(codec.Field(1).width, 255);
    EXPECT_EQ(codec.Field(1).scale, 4);
    ASSERT_EQ(codec.RowCount(), 3u);
    EXPECT_EQ(codec.Text(1, 0), "fe80::1");
    EXPECT_EQ(codec.Text(2, 1), "9003");

    void* reader = CallSlot<void*>(packer, kOpenAsReader);
    EXPECT_EQ(CallSlot<void*>(reader, kReaderBuffer), buffer);
    EXPECT_EQ(CallSlot<int32_t>(reader, kReaderLength), length);
    ASSERT_EQ(CallSlot<int32_t>(reader, kRowCount), 3);
    CallSlot<void>(reader, kNextRow);
    CallSlot<void>(reader, kGoFirst);
    for (const auto& server : kServers) {
      EXPECT_STREQ(CallSlot<const char*>(reader, kStrByName, "address"), server[0]);
      EXPECT_STREQ(CallSlot<const char*>(reader, kStrByName, "port"), server[1]);
      EXPECT_EQ(CallSlot<int32_t>(reader, kIntByName, "port"), std::stoi(server[1]));
      EXPECT_EQ(CallSlot<double>(reader, kDoubleByName, "port"), std::stod(server[1]));
      CallSlot<void>(reader, kNextRow);
    }
    EXPECT_STREQ(CallSlot<const char*>(reader, kStrByName, "address"), "");  // past the last row
    CallSlot<void>(packer, kReleaseBuffer, buffer);
    EXPECT_EQ(CallSlot<void*>(packer, kPackBuffer), nullptr);
    EXPECT_EQ(CallSlot<int32_t>(packer, kPackLength), 0);
    EXPECT_EQ(CallSlot<uint32_t>(packer, kRelease), 0u);
  }
}

TEST(SdkObjects, EveryTypeThroughItsOwnSlots) {
  for (int version : {1, 2}) {
    SCOPED_TRACE(version);
    void* packer = NewPacker(version);
    CallSlot<void>(packer, kReserve, int32_t{4096});
    EXPECT_GE(CallSlot<int32_t>(packer, kBufferCapacity), 4096);
    CallSlot<void>(packer, kStartPack);
    EXPECT_EQ(CallSlot<int32_t>(packer, kPackerVersion), version);
    const std::pair<const char*, char> fields[] = {{"n", 'I'}, {"x", 'F'}, {"c", 'C'}, {"s", 'S'}};
    for (const auto& [name, type] : fields) {
      EXPECT_EQ(CallSlot<int32_t>(packer, kDefineField, name, type, int32_t{type == 'S' ? 20 : 12}, int32_t{type == 'F' ? 3 : 0}), 0);
    }
    EXPECT_EQ(CallSlot<int32_t>(packer, kDefineField, "bad", 'Q', int32_t{1}, int32_t{0}), -1);
    EXPECT_STRNE(CallSlot<const char*>(packer, kErrorText), "");
    for (int32_t row = 0; row < 2; ++row) {
      EXPECT_EQ(CallSlot<int32_t>(packer, kPutInt, int32_t{-7} - row), 0);
      EXPECT_EQ(CallSlot<int32_t>(packer, kPutDouble, 2.5 + row), 0);
      EXPECT_EQ(CallSlot<int32_t>(packer, kPutChar, static_cast<char>('A' + row)), 0);
      EXPECT_EQ(CallSlot<int32_t>(packer, kPutRaw, static_cast<const void*>("abcdef"), int32_t{3 + row}), 0);
    }
    CallSlot<void>(packer, kSetReturnCode, int32_t{77});
    CallSlot<void>(packer, kFinishPack);

    void* reader = CallSlot<void*>(packer, kOpenAsReader);
    EXPECT_EQ(CallSlot<int32_t>(reader, kReaderVersion), version);
    EXPECT_EQ(CallSlot<int32_t>(reader, kFieldCount), 4);
    EXPECT_STREQ(CallSlot<const char*>(reader, kFieldName, int32_t{1}), "x");
    EXPECT_EQ(CallSlot<char>(reader, kFieldType, int32_t{2}), 'C');
    EXPECT_EQ(CallSlot<int32_t>(reader, kFieldWidth, int32_t{3}), 20);
    EXPECT_EQ(CallSlot<int32_t>(reader, kFieldScale, int32_t{1}), 3);
    EXPECT_EQ(CallSlot<int32_t>(reader, kFieldIndex, "S"), 3);  // names ignore ASCII case
    EXPECT_EQ(CallSlot<int32_t>(reader, kReturnCode), 77);
    EXPECT_EQ(CallSlot<int32_t>(reader, kIsBof), 0);
    EXPECT_EQ(CallSlot<int32_t>(reader, kGoToRow, int32_t{1}), 0);
    EXPECT_EQ(CallSlot<int32_t>(reader, kCurrentRow), 1);
    EXPECT_STREQ(CallSlot<const char*>(reader, kStrAt, int32_t{0}), "-8");
    EXPECT_EQ(CallSlot<char>(reader, kCharByName, "c"), 'B');
    EXPECT_EQ(CallSlot<char>(reader, kCharAt, int32_t{2}), 'B');
    EXPECT_EQ(CallSlot<double>(reader, kDoubleAt, int32_t{1}), 3.5);
    EXPECT_EQ(CallSlot<int32_t>(reader, kIntAt, int32_t{0}), -8);
    int32_t length = 0;
    const void* raw = CallSlot<const void*>(reader, kRawByName, "s", &length);
    EXPECT_EQ(std::string(static_cast<const char*>(raw), static_cast<size_t>(length)), "abcd");
    CallSlot<const void*>(reader, kRawAt, int32_t{3}, &length);
    EXPECT_EQ(length, 4);
    EXPECT_EQ(CallSlot<int32_t>(reader, kValueLengthAt, int32_t{3}), 4);
    CallSlot<void>(reader, kPriorRow);
    EXPECT_EQ(CallSlot<int32_t>(reader, kCurrentRow), 0);
    CallSlot<void>(reader, kPriorRow);
    EXPECT_EQ(CallSlot<int32_t>(reader, kIsBof), 1);
    CallSlot<void>(reader, kGoLast);
    EXPECT_EQ(CallSlot<int32_t>(reader, kCurrentRow), 1);
    EXPECT_EQ(CallSlot<int32_t>(reader, kIsEof), 0);
    CallSlot<void>(reader, kNextRow);
    EXPECT_EQ(CallSlot<int32_t>(reader, kIsEof), 1);
    EXPECT_EQ(CallSlot<uint32_t>(packer, kRelease), 0u);
  }
}

TEST(SdkObjects, ReferenceCountsAndAReaderThatOutlivesItsPacker) {
  void* packer = NewPacker(2);
  EXPECT_EQ(CallSlot<uint32_t>(packer, kAddRef), 2u);
  const unsigned char unknown[16] = {0, 0, 0, 0, 0, 0, 0, 0, 0xC0, 0, 0, 0, 0, 0, 0, 0x46};
  const unsigned char other[16] = {1};
  void* same = nullptr;
  EXPECT_EQ(CallSlot<int32_t>(packer, kQueryInterface, static_cast<const void*>(unknown), &same), 0);
  EXPECT_EQ(same, packer);
  void* none = packer;
  EXPECT_NE(CallSlot<int32_t>(packer, kQueryInterface, static_cast<const void*>(other), &none), 0);
  EXPECT_EQ(none, nullptr);
  EXPECT_EQ(CallSlot<uint32_t>(packer, kRelease), 2u);
  EXPECT_EQ(CallSlot<uint32_t>(packer, kRelease), 1u);
  // A reference kept on the packer's reader outlives the packer without touching its memory.
  CallSlot<int32_t>(packer, kDefineField, "a", 'S', int32_t{8}, int32_t{0});
  CallSlot<int32_t>(packer, kPutStr, "x");
  void* reader = CallSlot<void*>(packer, kOpenAsReader);
  EXPECT_EQ(CallSlot<uint32_t>(reader, kAddRef), 2u);
  EXPECT_EQ(CallSlot<uint32_t>(packer, kRelease), 0u);
  EXPECT_EQ(CallSlot<int32_t>(reader, kRowCount), 0);
  EXPECT_EQ(CallSlot<void*>(reader, kReaderBuffer), nullptr);
  EXPECT_EQ(CallSlot<uint32_t>(reader, kRelease), 0u);
}

TEST(SdkObjects, ReadersOverCallersBuffersReadInPlaceAndLeaveTheBytesToTheCaller) {
  for (int version : {1, 2}) {
    SCOPED_TRACE(version);
    void* packer = AddressPacker(version);
    const char* bytes = CallSlot<const char*>(packer, kPackBuffer);
    std::vector<char> mine(bytes, bytes + CallSlot<int32_t>(packer, kPackLength));
    CallSlot<uint32_t>(packer, kRelease);
    const uint32_t size = static_cast<uint32_t>(mine.size());
    EXPECT_EQ((version == 1 ? NewUnPacker : NewUnPackerV1)(mine.data(), size), nullptr);
    void* reader = (version == 1 ? NewUnPackerV1 : NewUnPacker)(mine.data(), size);
    ASSERT_NE(reader, nullptr);
    EXPECT_EQ(CallSlot<void*>(reader, kReaderBuffer), static_cast<void*>(mine.data()));
    EXPECT_EQ(CallSlot<int32_t>(reader, kReaderLength), static_cast<int32_t>(size));
    const char* address = CallSlot<const char*>(reader, kStrByName, "address");
    ASSERT_TRUE(address >= mine.data() && address < mine.data() + size);
    mine[static_cast<size_t>(address - mine.data())] = '7';
    EXPECT_STREQ(CallSlot<const char*>(reader, kStrByName, "address"), "70.0.0.1");
    EXPECT_EQ(CallSlot<uint32_t>(reader, kRelease), 0u);
    EXPECT_EQ(mine[static_cast<size_t>(address - mine.data())], '7');  // still the caller's, not freed
    EXPECT_EQ(NewUnPacker(mine.data(), 15), nullptr);  // cut short
  }
  EXPECT_EQ(NewUnPacker(nullptr, 100), nullptr);
  EXPECT_EQ(NewPacker(3), nullptr);
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

TEST(SdkObjects, EmptyReadersUtilitiesAndFactoriesWithoutObjects) {
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
  for (void* none : {NewConfig(), NewConnection(nullptr), NewESBMessage(1), NewESBMessageEx(1, nullptr, 0, 0),
                     NewFilter(), NewSubscribeParam(), NewBizMessage(), NewBizMessageEx(0), NewYJGMParam()}) {
    EXPECT_EQ(none, nullptr);
  }
  EXPECT_EQ(SetCommCfgFile("t2sdk.ini"), 0);
  EXPECT_EQ(SetCommCfgFile(""), -1);
  EXPECT_EQ(SetCommCfgFile(nullptr), -1);
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
