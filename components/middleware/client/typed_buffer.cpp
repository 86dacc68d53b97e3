#include "typed_buffer.h"

#include <windows.h>

#include <cstring>

#include "atmi_constants.h"
#include "fml_fields.h"
#include "tp_init_record.h"

namespace ruzi::wsclient {
namespace {

constexpr uint32_t kLiveMagic = 0x42545A52;   // "RZTB"
constexpr uint32_t kFreedMagic = 0x44455246;  // set on free, so a second free is ignored
constexpr int32_t kDefaultSize = 1024;

// 48 bytes keep the data 16-byte aligned, as the heap's own blocks are.
struct alignas(16) BufferHeader {
  uint32_t magic;
  BufferKind kind;
  int32_t capacity;
  uint32_t reserved;
  char type[8];
  char subtype[16];
};
static_assert(sizeof(BufferHeader) == 48);

BufferHeader* HeaderOf(const char* data) {
  if (data == nullptr) return nullptr;
  auto* header = reinterpret_cast<BufferHeader*>(const_cast<char*>(data) - sizeof(BufferHeader));
  return header->magic == kLiveMagic ? header : nullptr;
}

char* DataOf(BufferHeader* header) { return reinterpret_cast<char*>(header + 1); }

void CopyName(char* target, size_t size, std::string_view name) {
  size_t count = name.size() < size - 1 ? name.size() : size - 1;
  std::memcpy(target, name.data(), count);
  target[count] = '\0';
}

}  // namespace

bool KindOfTypeName(std::string_view type, BufferKind* kind) {
  if (type == "STRING") {
    *kind = BufferKind::String;
  } else if (type == "CARRAY" || type == "X_OCTET") {
    *kind = BufferKind::Carray;
  } else if (type == "FML32" || type == "FML") {
    *kind = BufferKind::Fml;
  } else if (type == "TPINIT") {
    *kind = BufferKind::TpInit;
  } else {
    return false;
  }
  return true;
}

char* AllocateBuffer(std::string_view type, std::string_view subtype, int32_t size, int32_t* error) {
  BufferKind kind;
  if (!KindOfTypeName(type, &kind)) {
    *error = mw::kMwNoEntry;
    return nullptr;
  }
  if (size < 0) {
    *error = kErrInvalid;
    return nullptr;
  }
  if (size == 0) size = kDefaultSize;
  if (kind == BufferKind::TpInit && size < static_cast<int32_t>(sizeof(TpInitRecord))) size = sizeof(TpInitRecord);
  if (kind == BufferKind::Fml && size < static_cast<int32_t>(kFmlMinimumBytes)) size = kFmlMinimumBytes;
  void* block = HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, sizeof(BufferHeader) + static_cast<size_t>(size));
  if (block == nullptr) {
    *error = kErrOs;
    return nullptr;
  }
  auto* header = static_cast<BufferHeader*>(block);
  header->magic = kLiveMagic;
  header->kind = kind;
  header->capacity = size;
  CopyName(header->type, sizeof header->type, type);
  CopyName(header->subtype, sizeof header->subtype, subtype);
  char* data = DataOf(header);
  if (kind == BufferKind::Fml) InitFmlFields(data, static_cast<size_t>(size));
  return data;
}

bool IsTypedBuffer(const char* data) { return HeaderOf(data) != nullptr; }

BufferKind KindOf(const char* data) { return HeaderOf(data)->kind; }

const char* TypeNameOf(const char* data) { return HeaderOf(data)->type; }

int32_t CapacityOf(const char* data) { return HeaderOf(data)->capacity; }

char* GrowBuffer(char* data, int32_t size) {
  BufferHeader* header = HeaderOf(data);
  if (header == nullptr || size < 0) return nullptr;
  if (size <= header->capacity) return data;
  void* block = HeapReAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, header, sizeof(BufferHeader) + static_cast<size_t>(size));
  if (block == nullptr) return nullptr;
  header = static_cast<BufferHeader*>(block);
  header->capacity = size;
  return DataOf(header);
}

void FreeBuffer(char* data) {
  BufferHeader* header = HeaderOf(data);
  if (header == nullptr) return;
  header->magic = kFreedMagic;
  HeapFree(GetProcessHeap(), 0, header);
}

}  // namespace ruzi::wsclient
