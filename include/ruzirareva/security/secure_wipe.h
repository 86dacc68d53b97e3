#pragma once
// Wiping of key and plaintext copies once they are no longer needed, in a way the optimiser
// cannot drop as a dead store. Any thread may call them on memory it owns.
#include <cstddef>
#include <string>

#include "ruzirareva/export.h"

namespace ruzi {

RUZI_API void SecureWipe(void* data, size_t size);
// Zeroes the whole buffer the string owns (not only its current length), then empties it.
RUZI_API void SecureWipe(std::string& text);

// Wipes a fixed buffer or a string when the scope ends, whichever way it ends.
class ScopedWipe {
 public:
  ScopedWipe(void* data, size_t size) : data_(data), size_(size) {}
  explicit ScopedWipe(std::string& text) : text_(&text) {}
  ~ScopedWipe() {
    if (text_ != nullptr) {
      SecureWipe(*text_);
    } else {
      SecureWipe(data_, size_);
    }
  }
  ScopedWipe(const ScopedWipe&) = delete;
  ScopedWipe& operator=(const ScopedWipe&) = delete;

 private:
  void* data_ = nullptr;
  size_t size_ = 0;
  std::string* text_ = nullptr;
};

}  // namespace ruzi
