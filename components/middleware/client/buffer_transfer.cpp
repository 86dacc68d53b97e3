#include "buffer_transfer.h"

#include <windows.h>

#include <cstring>

#include "atmi_constants.h"
#include "fml_fields.h"
#include "foundation/byte_search.h"
#include "typed_buffer.h"

namespace ruzi::wsclient {

int32_t RequestBytes(const char* data, int32_t length, bool raw, std::string* bytes, std::string* type) {
  bytes->clear();
  if (data == nullptr) {
    if (length > 0) return kErrInvalid;
    *type = raw ? "CARRAY" : "";
    return 0;
  }
  if (length < 0) return kErrInvalid;
  if (raw) {
    if (IsTypedBuffer(data) && length > CapacityOf(data)) return kErrInvalid;
    bytes->assign(data, static_cast<size_t>(length));
    *type = "CARRAY";
    return 0;
  }
  if (!IsTypedBuffer(data)) return kErrInvalid;
  *type = TypeNameOf(data);
  const size_t capacity = static_cast<size_t>(CapacityOf(data));
  switch (KindOf(data)) {
    case BufferKind::String:
      bytes->assign(data, TextLength(data, capacity));
      return 0;
    case BufferKind::Carray:
      if (static_cast<size_t>(length) > capacity) return kErrInvalid;
      bytes->assign(data, static_cast<size_t>(length));
      return 0;
    case BufferKind::Fml:
      bytes->assign(data, FmlUsedBytes(data));
      return 0;
    case BufferKind::TpInit:
      break;
  }
  return kErrInputType;
}

int32_t DeliverInto(const std::string& bytes, const char* new_type, bool raw, char** buffer, int32_t* length) {
  if (bytes.size() >= static_cast<size_t>(INT32_MAX)) return kErrOs;
  const auto needed = static_cast<int32_t>(bytes.size() + 1);
  char* target = *buffer;
  if (target == nullptr) {
    int32_t error = 0;
    target = AllocateBuffer(new_type, "", needed, &error);
    if (target == nullptr) return error;
  } else {
    if (!IsTypedBuffer(target)) return kErrInvalid;
    BufferKind kind = KindOf(target);
    if (kind == BufferKind::Fml || kind == BufferKind::TpInit) return kErrOutputType;
    target = GrowBuffer(target, needed);
    if (target == nullptr) return kErrOs;
  }
  std::memcpy(target, bytes.data(), bytes.size());
  target[bytes.size()] = '\0';
  *buffer = target;
  bool counts_nul = !raw && KindOf(target) == BufferKind::String;
  if (length != nullptr) *length = static_cast<int32_t>(bytes.size()) + (counts_nul ? 1 : 0);
  return 0;
}

bool HeapCopy(const std::string& bytes, char** block) {
  *block = nullptr;
  if (bytes.empty()) return true;
  void* memory = HeapAlloc(GetProcessHeap(), 0, bytes.size());
  if (memory == nullptr) return false;
  std::memcpy(memory, bytes.data(), bytes.size());
  *block = static_cast<char*>(memory);
  return true;
}

}  // namespace ruzi::wsclient
