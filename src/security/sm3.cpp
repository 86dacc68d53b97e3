#include "security/sm3.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

#include "security/byte_order.h"
#include "security/secure_wipe.h"

namespace ruzi {
namespace {

constexpr uint32_t kInitialState[8] = {0x7380166f, 0x4914b2b9, 0x172442d7, 0xda8a0600,
                                       0xa96f30bc, 0x163138aa, 0xe38dee4d, 0xb0fb0e4e};

// T_j rotated left by j, once for all blocks.
constexpr std::array<uint32_t, 64> MakeRoundConstants() {
  std::array<uint32_t, 64> t{};
  for (unsigned j = 0; j < 64; ++j) t[j] = std::rotl(j < 16 ? 0x79cc4519u : 0x7a879d8au, static_cast<int>(j % 32));
  return t;
}
constexpr std::array<uint32_t, 64> kRoundConstants = MakeRoundConstants();

inline uint32_t P0(uint32_t x) { return x ^ std::rotl(x, 9) ^ std::rotl(x, 17); }
inline uint32_t P1(uint32_t x) { return x ^ std::rotl(x, 15) ^ std::rotl(x, 23); }

// One round. Instead of shifting all eight words along, the caller renames them: the new A
// lands in d, the new E in h, and the next round is called with the names rotated by one.
template <bool kEarly>
inline void Round(uint32_t a, uint32_t& b, uint32_t c, uint32_t& d, uint32_t e, uint32_t& f, uint32_t g,
                  uint32_t& h, uint32_t t, uint32_t w, uint32_t w_prime) {
  const uint32_t a12 = std::rotl(a, 12);
  const uint32_t ss1 = std::rotl(a12 + e + t, 7);
  const uint32_t ss2 = ss1 ^ a12;
  const uint32_t ff = kEarly ? a ^ b ^ c : (a & b) | (a & c) | (b & c);
  const uint32_t gg = kEarly ? e ^ f ^ g : (e & f) | (~e & g);
  d = ff + d + ss2 + w_prime;
  h = P0(gg + h + ss1 + w);
  b = std::rotl(b, 9);
  f = std::rotl(f, 19);
}

template <bool kEarly>
inline void FourRounds(uint32_t& a, uint32_t& b, uint32_t& c, uint32_t& d, uint32_t& e, uint32_t& f, uint32_t& g,
                       uint32_t& h, const uint32_t* w, int j) {
  Round<kEarly>(a, b, c, d, e, f, g, h, kRoundConstants[j], w[j], w[j] ^ w[j + 4]);
  Round<kEarly>(d, a, b, c, h, e, f, g, kRoundConstants[j + 1], w[j + 1], w[j + 1] ^ w[j + 5]);
  Round<kEarly>(c, d, a, b, g, h, e, f, kRoundConstants[j + 2], w[j + 2], w[j + 2] ^ w[j + 6]);
  Round<kEarly>(b, c, d, a, f, g, h, e, kRoundConstants[j + 3], w[j + 3], w[j + 3] ^ w[j + 7]);
}

// g++ vectorises the message expansion into overlapping loads that stall on the stores just
// made (measured: half the speed); the rounds run fastest fully unrolled.
#if defined(__GNUC__) && !defined(__clang__)
__attribute__((optimize("no-tree-vectorize")))
#endif
void Compress(uint32_t v[8], const unsigned char* block) {
  uint32_t w[68];
  for (int j = 0; j < 16; ++j) w[j] = LoadBigEndian32(block + 4 * j);
  for (int j = 16; j < 68; ++j) {
    w[j] = P1(w[j - 16] ^ w[j - 9] ^ std::rotl(w[j - 3], 15)) ^ std::rotl(w[j - 13], 7) ^ w[j - 6];
  }
  uint32_t a = v[0], b = v[1], c = v[2], d = v[3], e = v[4], f = v[5], g = v[6], h = v[7];
  // After four rounds every name is back in its place.
#pragma GCC unroll 4
  for (int j = 0; j < 16; j += 4) FourRounds<true>(a, b, c, d, e, f, g, h, w, j);
#pragma GCC unroll 12
  for (int j = 16; j < 64; j += 4) FourRounds<false>(a, b, c, d, e, f, g, h, w, j);
  v[0] ^= a;
  v[1] ^= b;
  v[2] ^= c;
  v[3] ^= d;
  v[4] ^= e;
  v[5] ^= f;
  v[6] ^= g;
  v[7] ^= h;
}

}  // namespace

Sm3::Sm3() { Reset(); }

Sm3::~Sm3() { SecureWipe(buffer_, sizeof buffer_); }

void Sm3::Reset() {
  std::memcpy(state_, kInitialState, sizeof state_);
  buffered_ = 0;
  total_bytes_ = 0;
}

void Sm3::Update(const void* data, size_t size) {
  const unsigned char* bytes = static_cast<const unsigned char*>(data);
  total_bytes_ += size;
  if (buffered_ > 0) {
    const size_t take = std::min(size, sizeof buffer_ - buffered_);
    std::memcpy(buffer_ + buffered_, bytes, take);
    buffered_ += take;
    bytes += take;
    size -= take;
    if (buffered_ < sizeof buffer_) return;
    Compress(state_, buffer_);
    buffered_ = 0;
  }
  for (; size >= 64; bytes += 64, size -= 64) Compress(state_, bytes);
  if (size > 0) {
    std::memcpy(buffer_, bytes, size);
    buffered_ = size;
  }
}

void Sm3::Finish(unsigned char digest[kDigestSize]) {
  const uint64_t bit_length = total_bytes_ * 8;
  buffer_[buffered_++] = 0x80;
  if (buffered_ > 56) {
    std::memset(buffer_ + buffered_, 0, sizeof buffer_ - buffered_);
    Compress(state_, buffer_);
    buffered_ = 0;
  }
  std::memset(buffer_ + buffered_, 0, 56 - buffered_);
  StoreBigEndian32(buffer_ + 56, static_cast<uint32_t>(bit_length >> 32));
  StoreBigEndian32(buffer_ + 60, static_cast<uint32_t>(bit_length));
  Compress(state_, buffer_);
  for (int i = 0; i < 8; ++i) StoreBigEndian32(digest + 4 * i, state_[i]);
  SecureWipe(buffer_, sizeof buffer_);
  Reset();
}

void Sm3Hash(const void* data, size_t size, unsigned char digest[Sm3::kDigestSize]) {
  Sm3 sm3;
  sm3.Update(data, size);
  sm3.Finish(digest);
}

}  // namespace ruzi
