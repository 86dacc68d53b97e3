#pragma once
// A buffer of the transaction client, released with tpfree when the owner goes. The client
// may hand back a different (grown) reply buffer, so the pointer is reachable for the call.
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "foundation/byte_search.h"

#include "service/tuxedo_entries.h"

namespace ruzi {

class MiddlewareBuffer {
 public:
  MiddlewareBuffer(const char* type, int32_t size) : data_(tpalloc(type, nullptr, size)) {}
  ~MiddlewareBuffer() {
    if (data_ != nullptr) tpfree(data_);
  }
  MiddlewareBuffer(const MiddlewareBuffer&) = delete;
  MiddlewareBuffer& operator=(const MiddlewareBuffer&) = delete;

  char* get() const { return data_; }
  char** address() { return &data_; }
  explicit operator bool() const { return data_ != nullptr; }
  // The text up to the first NUL ("" without a buffer).
  std::string Text() const { return data_ != nullptr ? std::string(data_) : std::string(); }
  // The same text, looked for within the `length` bytes the client reported first.
  std::string_view TextWithin(int32_t length) const {
    if (data_ == nullptr) return {};
    size_t size = TextLength(data_, length > 0 ? static_cast<size_t>(length) : 0);
    if (data_[size] != '\0') size += std::strlen(data_ + size);
    return {data_, size};
  }

 private:
  char* data_;
};

// "内存分配失败(tpalloc)!错误号:" + the client's error number + its text.
std::string AllocationFailureMessage();

}  // namespace ruzi
