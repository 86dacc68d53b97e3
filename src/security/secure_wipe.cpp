#include "security/secure_wipe.h"

#include <cstring>

namespace ruzi {

void SecureWipe(void* data, size_t size) {
  if (size == 0) return;
  std::memset(data, 0, size);
  // The compiler must assume the zeroed bytes are read afterwards, so the memset stays.
  __asm__ __volatile__("" : : "r"(data) : "memory");
}

void SecureWipe(std::string& text) {
  // Growing to the capacity never reallocates, so the old tail is wiped as well.
  text.resize(text.capacity());
  SecureWipe(text.data(), text.size());
  text.clear();
}

}  // namespace ruzi
