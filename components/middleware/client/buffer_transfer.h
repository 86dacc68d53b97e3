#pragma once
// Between typed buffers and the wire: what a request buffer sends, and how an answer goes
// into the caller's reply buffer (grown when it is too small; the pointer then changes).
#include <cstdint>
#include <string>

namespace ruzi::wsclient {

// The bytes a request buffer sends and its type name: a STRING its text up to the first
// NUL, a CARRAY `length` bytes, a field buffer the bytes in use. `raw` sends `length` bytes
// of any memory as CARRAY. A null buffer sends nothing. 0, or the error number.
int32_t RequestBytes(const char* data, int32_t length, bool raw, std::string* bytes, std::string* type);
// Copies `bytes` into *buffer (a typed buffer, or nullptr for a new one of `new_type`),
// NUL-terminated. *length: the bytes, plus the NUL for a STRING buffer unless `raw`.
// 0, or the error number.
int32_t DeliverInto(const std::string& bytes, const char* new_type, bool raw, char** buffer, int32_t* length);
// The bytes in a block of the process heap that the receiver frees with HeapFree (nullptr
// for no bytes); false when memory is short.
bool HeapCopy(const std::string& bytes, char** block);

}  // namespace ruzi::wsclient
