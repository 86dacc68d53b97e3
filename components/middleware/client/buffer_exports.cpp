// Typed buffers and field buffers.
#include "atmi_constants.h"
#include "call_errors.h"
#include "fml_fields.h"
#include "typed_buffer.h"
#include "wtuxws32.h"

using namespace ruzi::wsclient;

namespace {

// The field region of a field buffer, or nullptr.
char* FieldRegion(void* buffer) {
  auto* data = static_cast<char*>(buffer);
  return IsTypedBuffer(data) && KindOf(data) == BufferKind::Fml ? data : nullptr;
}

}  // namespace

extern "C" {

char* tpalloc(const char* type, const char* subtype, int32_t size) {
  if (type == nullptr) {
    Fail(kErrInvalid, "缓冲区类型为空");
    return nullptr;
  }
  int32_t error = 0;
  char* buffer = AllocateBuffer(type, subtype != nullptr ? subtype : "", size, &error);
  if (buffer == nullptr) Fail(error);
  return buffer;
}

void tpfree(char* buffer) { FreeBuffer(buffer); }

void tpfreeEx(char* buffer, int32_t) { FreeBuffer(buffer); }

int32_t Fget(void* buffer, int32_t field_id, int32_t occurrence, void* value, int32_t length) {
  const char* region = FieldRegion(buffer);
  return region == nullptr ? -1 : FmlGet(region, field_id, occurrence, value, length);
}

int32_t Fchg(void* buffer, int32_t field_id, int32_t occurrence, void* value, int32_t length) {
  char* region = FieldRegion(buffer);
  if (region == nullptr) return -1;
  return FmlChange(region, static_cast<size_t>(CapacityOf(region)), field_id, occurrence, value, length);
}

int32_t Fadd(void* buffer, int32_t field_id, void* value, int32_t length) {
  char* region = FieldRegion(buffer);
  if (region == nullptr) return -1;
  return FmlAdd(region, static_cast<size_t>(CapacityOf(region)), field_id, value, length);
}

}  // extern "C"
