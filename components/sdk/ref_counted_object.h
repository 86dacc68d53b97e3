#pragma once
// Slots 0 to 2 for an implementation of one SDK interface: a thread-safe count that frees
// the object on its last Release. Interface ids are 16-byte GUIDs, compared byte for byte.
#include <atomic>
#include <cstring>

#include "sdk_interfaces.h"

namespace ruzi::sdk {

inline constexpr unsigned char kUnknownInterfaceId[16] = {0, 0, 0, 0, 0, 0, 0, 0, 0xC0, 0, 0, 0, 0, 0, 0, 0x46};
inline constexpr unsigned char kPackerInterfaceId[16] = {0xad, 0xcd, 0xca, 0x35, 0xc6, 0x68, 0x4c, 0x89,
                                                         0x80, 0x38, 0xa1, 0x6e, 0xa4, 0x6e, 0x21, 0x28};
inline constexpr unsigned char kUnPackerInterfaceId[16] = {0x57, 0x19, 0xd5, 0x60, 0xe4, 0xae, 0x40, 0x20,
                                                           0x9e, 0xdd, 0xc8, 0x57, 0x37, 0x9f, 0x4c, 0xfb};
inline constexpr int32_t kNoInterface = static_cast<int32_t>(0x80004002);

// Derived is the final class; Interface its one interface with its id.
template <typename Derived, typename Interface, const unsigned char* kInterfaceId>
class RefCountedObject : public Interface {
 public:
  int32_t QueryInterface(const void* interface_id, void** object) override {
    if (object == nullptr) return kNoInterface;
    *object = nullptr;
    if (interface_id == nullptr) return kNoInterface;
    if (std::memcmp(interface_id, kInterfaceId, 16) != 0 && std::memcmp(interface_id, kUnknownInterfaceId, 16) != 0) {
      return kNoInterface;
    }
    AddRef();
    *object = static_cast<Interface*>(this);
    return 0;
  }
  uint32_t AddRef() override { return count_.fetch_add(1, std::memory_order_relaxed) + 1; }
  uint32_t Release() override {
    uint32_t left = count_.fetch_sub(1, std::memory_order_acq_rel) - 1;
    if (left == 0) delete static_cast<Derived*>(this);
    return left;
  }

 protected:
  RefCountedObject() = default;
  ~RefCountedObject() = default;

 private:
  std::atomic<uint32_t> count_{1};  // the creator's reference
};

}  // namespace ruzi::sdk
