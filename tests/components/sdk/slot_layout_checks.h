#pragma once
// The packer and reader called only through raw slot numbers of their operation tables, the
// way a caller compiled against another declaration of the interfaces calls them. Shared by
// the native test (objects linked in) and the Windows test (ztsdk.dll loaded by name).
#include <cstdint>

namespace ruzi::testing {

struct SdkEntries {
  void* (*new_packer)(int32_t version);
  void* (*new_unpacker)(void* buffer, uint32_t length);
  void* (*new_unpacker_v1)(void* buffer, uint32_t length);
  int32_t (*get_pack_version)(const void* buffer);
};

// Operation `slot` of `object`, with the object as first argument.
template <typename Result, typename... Args>
Result CallSlot(void* object, int slot, Args... args) {
  using Operation = Result (*)(void*, Args...);
  Operation operation = (*static_cast<Operation**>(object))[slot];
  return operation(object, args...);
}

void CheckNamedSlots(const SdkEntries& sdk, int version);
void CheckOwnSlots(const SdkEntries& sdk, int version);
void CheckReferenceCounts(const SdkEntries& sdk);
void CheckReaderOverCallerBuffer(const SdkEntries& sdk);

}  // namespace ruzi::testing
