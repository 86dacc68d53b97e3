// The SDK's objects and entries: their slots called by number, the way a caller compiled
// against another declaration of the interfaces calls them, as the scripts of
// tests/data/sdk_object_calls.txt say (readers over callers' buffers, empty readers); the
// utility entries.
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

// A slot's number and signature, from tests/data/sdk_object_slots.txt.
struct Slot {
  int number;
  std::string signature;
};

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

// Each step: the versions it runs in ("*", "1" or "2"), the object's name, the slot or entry,
// the arguments, then the answer; "$v" stands for the version, and an answer "=name" names the
// pointer given back. The entries: "New" and "Empty" make a packer or an empty reader of the
// version given, "Copy" a caller's buffer of the packet of the packer named, "Unpack" a reader of
// the version given over a caller's buffer ("all" of it or its first bytes), "PackVersion" reads
// a packet's version, "Poke" changes a caller's byte; "Bytes" is the object's packet in hex.
TEST(SdkObjects, SlotsCalledByNumberAnswerAsTheScriptsSay) {
  std::map<std::string, Slot> slots;
  for (const VectorCase& slot : ReadVectors("sdk_object_slots.txt")) slots[slot[0]] = {std::stoi(slot[1]), slot[2]};
  const std::vector<VectorCase> steps = ReadVectors("sdk_object_calls.txt");
  for (const std::string version : {"1", "2"}) {
    Names names;
    std::map<std::string, std::string> buffers;  // the callers' own
    for (VectorCase step : steps) {
      if (step[0] != "*" && step[0] != version) continue;
      for (std::string& field : step) {
        if (field == "$v") field = version;
      }
      const std::vector<std::string> args(step.begin() + 3, step.end() - 1);
      void* object = names[step[1]];
      const std::string& verb = step[2];
      const std::string where = "v" + version + ": " + step[1] + " " + verb;
      auto made = [&]() -> void* {
        if (verb == "New") return NewPacker(std::stoi(args[0]));
        if (verb == "Empty") return NewEmptyUnPacker(std::stoi(args[0]));
        if (verb == "Copy") {
          void* packer = names.at(args[0]);
          std::string& bytes = buffers[step[1]] = std::string(CallSlot<const char*>(packer, 13), CallSlot<int32_t>(packer, 14));
          return bytes.data();
        }
        if (verb == "Unpack") {
          std::string& bytes = buffers.at(args[1]);
          const auto size = static_cast<uint32_t>(args[2] == "all" ? bytes.size() : std::stoul(args[2]));
          return (args[0] == "1" ? NewUnPackerV1 : NewUnPacker)(bytes.data(), size);
        }
        return CallSlot<void*>(object, slots.at(verb).number);
      };
      if (step.back()[0] == '=') {
        void* pointer = made();
        ASSERT_NE(pointer, nullptr) << where;
        names[step.back().substr(1)] = pointer;
      } else if (verb == "Bytes") {
        EXPECT_EQ(HexOf(CallSlot<const char*>(object, 13), static_cast<size_t>(CallSlot<int32_t>(object, 14))), step.back()) << where;
      } else if (verb == "Poke") {  // the first byte of the text given, in a caller's buffer
        std::string& bytes = buffers.at(step[1]);
        bytes.at(bytes.find(args[0])) = args[1][0];
      } else if (verb == "PackVersion") {
        EXPECT_EQ(std::to_string(GetPackVersion(names.at(args[0]))), step.back()) << where;
      } else if (slots.count(verb) == 0) {
        EXPECT_EQ(NameOf(made(), names), step.back()) << where;
      } else {
        EXPECT_EQ(Called(object, slots.at(verb), args, names), step.back()) << where;
      }
    }
  }
}

TEST(SdkObjects, UtilitiesAndFactoriesWithoutObjects) {
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
  EXPECT_EQ(NewUnPacker(nullptr, 100), nullptr);
}

}  // namespace
}  // namespace ruzi::testing
