// The SDK's objects and entries: their slots called by number, the way a caller compiled
// against another declaration of the interfaces calls them, as the scripts of
// tests/data/sdk_object_calls.txt say; readers over callers' buffers, and the utility entries.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "sdk_packet_hex.h"
#include "vector_file.h"
#include "ztsdk.h"

namespace ruzi::testing {
namespace {

// Operation `slot` of `object`, with the object as first argument.
template <typename Result, typename... Args>
Result CallSlot(void* object, int slot, Args... args) {
  using Operation = Result (*)(void*, Args...);
  Operation operation = (*static_cast<Operation**>(object))[slot];
  return operation(object, args...);
}

// A slot's number and signature: the result's kind, then the arguments' (v nothing, i int32,
// u uint32, d double, c char, s text, p pointer, b bytes with a length out-argument, g an
// interface id with an object out-argument).
struct Slot {
  int number;
  std::string signature;
};

const std::map<std::string, Slot> kSlots = {
    {"QueryInterface", {0, "ig"}}, {"AddRef", {1, "u"}}, {"Release", {2, "u"}},
    // The packer's.
    {"Reserve", {3, "vi"}}, {"StartPack", {4, "v"}}, {"PackerVersion", {5, "i"}}, {"DefineField", {6, "iscii"}},
    {"PutStr", {7, "is"}}, {"PutInt", {8, "ii"}}, {"PutDouble", {9, "id"}}, {"PutChar", {10, "ic"}},
    {"PutRaw", {11, "ipi"}}, {"FinishPack", {12, "v"}}, {"PackBuffer", {13, "p"}}, {"PackLength", {14, "i"}},
    {"BufferCapacity", {15, "i"}}, {"SetReturnCode", {16, "vi"}}, {"ErrorText", {17, "s"}},
    {"OpenAsReader", {18, "p"}}, {"ReleaseBuffer", {19, "vp"}},
    // The reader's.
    {"Version", {3, "i"}}, {"FieldCount", {4, "i"}}, {"FieldName", {5, "si"}}, {"FieldType", {6, "ci"}},
    {"FieldWidth", {7, "ii"}}, {"FieldScale", {8, "ii"}}, {"FieldIndex", {9, "is"}}, {"StrByName", {10, "ss"}},
    {"StrAt", {11, "si"}}, {"CharByName", {12, "cs"}}, {"CharAt", {13, "ci"}}, {"DoubleByName", {14, "ds"}},
    {"DoubleAt", {15, "di"}}, {"IntByName", {16, "is"}}, {"IntAt", {17, "ii"}}, {"RawByName", {18, "bs"}},
    {"RawAt", {19, "bi"}}, {"NextRow", {20, "v"}}, {"IsEof", {21, "i"}}, {"GoToRow", {22, "ii"}},
    {"CurrentRow", {23, "i"}}, {"PriorRow", {24, "v"}}, {"GoLast", {25, "v"}}, {"IsBof", {26, "i"}},
    {"ReturnCode", {27, "i"}}, {"ValueLengthAt", {28, "ii"}}, {"ReaderBuffer", {29, "p"}},
    {"ReaderLength", {30, "i"}}, {"RowCount", {31, "i"}}, {"GoFirst", {32, "v"}}};

using Names = std::map<std::string, void*>;

// "null", the name a pointer is known by, or "other".
std::string NameOf(const void* pointer, const Names& names) {
  if (pointer == nullptr) return "null";
  for (const auto& [name, value] : names) {
    if (value == pointer) return name;
  }
  return "other";
}

std::string Called(void* o, const Slot& slot, const std::vector<std::string>& a, const Names& names) {
  const int n = slot.number;
  const std::string& sig = slot.signature;
  auto i = [&](size_t k) { return static_cast<int32_t>(std::stol(a[k])); };
  auto text = [](const char* value) { return value == nullptr ? std::string("null") : std::string(value); };
  if (sig[0] == 'v') {
    sig == "v" ? CallSlot<void>(o, n) : sig == "vi" ? CallSlot<void>(o, n, i(0)) : CallSlot<void>(o, n, names.at(a[0]));
    return "-";
  }
  if (sig == "u") return std::to_string(CallSlot<uint32_t>(o, n));
  if (sig == "i") return std::to_string(CallSlot<int32_t>(o, n));
  if (sig == "ii") return std::to_string(CallSlot<int32_t>(o, n, i(0)));
  if (sig == "is") return std::to_string(CallSlot<int32_t>(o, n, a[0].c_str()));
  if (sig == "id") return std::to_string(CallSlot<int32_t>(o, n, std::stod(a[0])));
  if (sig == "ic") return std::to_string(CallSlot<int32_t>(o, n, a[0][0]));
  if (sig == "ipi") return std::to_string(CallSlot<int32_t>(o, n, static_cast<const void*>(a[0].data()), i(1)));
  if (sig == "iscii") return std::to_string(CallSlot<int32_t>(o, n, a[0].c_str(), a[1][0], i(2), i(3)));
  if (sig == "s") return text(CallSlot<const char*>(o, n));
  if (sig == "si") return text(CallSlot<const char*>(o, n, i(0)));
  if (sig == "ss") return text(CallSlot<const char*>(o, n, a[0].c_str()));
  if (sig == "ci") return std::string(1, CallSlot<char>(o, n, i(0)));
  if (sig == "cs") return std::string(1, CallSlot<char>(o, n, a[0].c_str()));
  if (sig == "di") return Num(CallSlot<double>(o, n, i(0)));
  if (sig == "ds") return Num(CallSlot<double>(o, n, a[0].c_str()));
  if (sig == "p") return NameOf(CallSlot<void*>(o, n), names);
  int32_t length = -1;
  if (sig == "bs" || sig == "bi") {
    const void* raw = sig == "bs" ? CallSlot<const void*>(o, n, a[0].c_str(), &length) : CallSlot<const void*>(o, n, i(0), &length);
    return std::string(static_cast<const char*>(raw), static_cast<size_t>(length));
  }
  const std::string id = FromHex(a[0]);  // "ig"
  void* out = o;
  const int32_t result = CallSlot<int32_t>(o, n, static_cast<const void*>(id.data()), &out);
  return std::to_string(result == 0) + " " + NameOf(out, names);
}

// Each step: the versions it runs in ("*", "1" or "2"), the object's name, the slot ("New" makes
// a packer of the version given, "Bytes" is its packet in hex), the arguments, then the answer;
// "$v" stands for the version, and an answer "=name" names the pointer given back.
TEST(SdkObjects, SlotsCalledByNumberAnswerAsTheScriptsSay) {
  const std::vector<VectorCase> steps = ReadVectors("sdk_object_calls.txt");
  for (const std::string version : {"1", "2"}) {
    Names names;
    for (VectorCase step : steps) {
      if (step[0] != "*" && step[0] != version) continue;
      for (std::string& field : step) {
        if (field == "$v") field = version;
      }
      const std::vector<std::string> args(step.begin() + 3, step.end() - 1);
      void* object = names[step[1]];
      const std::string where = "v" + version + ": " + step[1] + " " + step[2];
      if (step.back()[0] == '=') {
        void* pointer = step[2] == "New" ? NewPacker(std::stoi(args[0])) : CallSlot<void*>(object, kSlots.at(step[2]).number);
        ASSERT_NE(pointer, nullptr) << where;
        names[step.back().substr(1)] = pointer;
      } else if (step[2] == "New") {
        EXPECT_EQ(NameOf(NewPacker(std::stoi(args[0])), names), step.back()) << where;
      } else if (step[2] == "Bytes") {
        EXPECT_EQ(HexOf(CallSlot<const char*>(object, 13), static_cast<size_t>(CallSlot<int32_t>(object, 14))), step.back()) << where;
      } else {
        EXPECT_EQ(Called(object, kSlots.at(step[2]), args, names), step.back()) << where;
      }
    }
  }
}

TEST(SdkObjects, ReadersOverCallersBuffersReadInPlaceAndLeaveTheBytesToTheCaller) {
  for (int version : {1, 2}) {
    SCOPED_TRACE(version);
    IF2Packer* packer = NewPacker(version);
    packer->DefineField("address", 'S', 255, 4);
    packer->PutStr("10.0.0.1");
    packer->FinishPack();
    const char* bytes = static_cast<const char*>(packer->PackBuffer());
    std::vector<char> mine(bytes, bytes + packer->PackLength());
    packer->Release();
    const uint32_t size = static_cast<uint32_t>(mine.size());
    EXPECT_EQ((version == 1 ? NewUnPacker : NewUnPackerV1)(mine.data(), size), nullptr);
    IF2UnPacker* reader = (version == 1 ? NewUnPackerV1 : NewUnPacker)(mine.data(), size);
    ASSERT_NE(reader, nullptr);
    EXPECT_EQ(reader->ReaderBuffer(), static_cast<void*>(mine.data()));
    EXPECT_EQ(reader->ReaderLength(), static_cast<int32_t>(size));
    const char* address = reader->StrByName("address");
    ASSERT_TRUE(address >= mine.data() && address < mine.data() + size);
    mine[static_cast<size_t>(address - mine.data())] = '7';
    EXPECT_STREQ(reader->StrByName("address"), "70.0.0.1");
    EXPECT_EQ(reader->Release(), 0u);
    EXPECT_EQ(mine[static_cast<size_t>(address - mine.data())], '7');  // still the caller's, not freed
    EXPECT_EQ(NewUnPacker(mine.data(), 15), nullptr);  // cut short
  }
  EXPECT_EQ(NewUnPacker(nullptr, 100), nullptr);
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
