#pragma once
// SM3 digest (GB/T 32905): 32 bytes from a message of any length, fed in pieces.
#include <cstddef>
#include <cstdint>

namespace ruzi {

class Sm3 {
 public:
  static constexpr size_t kDigestSize = 32;

  Sm3();
  ~Sm3();
  Sm3(const Sm3&) = delete;
  Sm3& operator=(const Sm3&) = delete;

  void Update(const void* data, size_t size);
  // Writes the digest and starts a new message.
  void Finish(unsigned char digest[kDigestSize]);

 private:
  void Reset();

  uint32_t state_[8];
  unsigned char buffer_[64];
  size_t buffered_ = 0;
  uint64_t total_bytes_ = 0;
};

void Sm3Hash(const void* data, size_t size, unsigned char digest[Sm3::kDigestSize]);

}  // namespace ruzi
