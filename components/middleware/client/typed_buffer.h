#pragma once
// Typed buffers as tpalloc hands them out: the caller sees the data bytes; a header just in
// front of them holds the type and the capacity. The memory is the process heap, so a
// buffer may be freed from any module. Data bytes start zeroed.
#include <cstdint>
#include <string_view>

namespace ruzi::wsclient {

enum class BufferKind : uint32_t { String = 1, Carray = 2, Fml = 3, TpInit = 4 };

// The kind of a type name ("STRING", "CARRAY", "X_OCTET", "FML32", "FML", "TPINIT"), or
// false for an unknown one.
bool KindOfTypeName(std::string_view type, BufferKind* kind);

// nullptr when the type is unknown (*error = 6), the size negative (4) or memory short (7).
// Size 0 gives the default of 1024 bytes.
char* AllocateBuffer(std::string_view type, std::string_view subtype, int32_t size, int32_t* error);
// False for nullptr and for memory that is not a live buffer of ours.
bool IsTypedBuffer(const char* data);
BufferKind KindOf(const char* data);
const char* TypeNameOf(const char* data);
int32_t CapacityOf(const char* data);
// Grows (never shrinks) to at least `size` bytes; the new data pointer, or nullptr (the old
// buffer then stays valid).
char* GrowBuffer(char* data, int32_t size);
// Ignores nullptr and memory that is not a live buffer of ours.
void FreeBuffer(char* data);

}  // namespace ruzi::wsclient
