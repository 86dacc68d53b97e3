// Rounds combine S-boxes and the P permutation into eight 64-entry tables. Both halves are kept
// rotated left by one bit between the permutations, so each round needs a single rotation to
// line the expansion's six-bit groups up with the key bytes. Nothing branches on data or key.
#include "security/des_block.h"

#include <array>
#include <bit>

#include "security/byte_order.h"
#include "security/secure_wipe.h"

namespace ruzi {
namespace {

constexpr uint8_t kSboxes[8][64] = {
    {14, 4,  13, 1, 2,  15, 11, 8,  3,  10, 6,  12, 5,  9,  0, 7,  0, 15, 7,  4,  14, 2,
     13, 1,  10, 6, 12, 11, 9,  5,  3,  8,  4,  1,  14, 8,  13, 6, 2,  11, 15, 12, 9,  7,
     3,  10, 5,  0, 15, 12, 8,  2,  4,  9,  1,  7,  5,  11, 3,  14, 10, 0,  6,  13},
    {15, 1,  8,  14, 6,  11, 3,  4,  9,  7, 2,  13, 12, 0, 5,  10, 3,  13, 4,  7,  15, 2,
     8,  14, 12, 0,  1,  10, 6,  9,  11, 5, 0,  14, 7,  11, 10, 4, 13, 1,  5,  8,  12, 6,
     9,  3,  2,  15, 13, 8,  10, 1,  3,  15, 4,  2,  11, 6,  7,  12, 0,  5,  14, 9},
    {10, 0,  9,  14, 6, 3,  15, 5,  1,  13, 12, 7,  11, 4,  2,  8,  13, 7,  0,  9,  3,  4,
     6,  10, 2,  8,  5, 14, 12, 11, 15, 1,  13, 6,  4,  9,  8,  15, 3,  0,  11, 1,  2,  12,
     5,  10, 14, 7,  1, 10, 13, 0,  6,  9,  8,  7,  4,  15, 14, 3,  11, 5,  2,  12},
    {7,  13, 14, 3,  0,  6,  9,  10, 1,  2, 8,  5,  11, 12, 4,  15, 13, 8,  11, 5,  6,  15,
     0,  3,  4,  7,  2,  12, 1,  10, 14, 9, 10, 6,  9,  0,  12, 11, 7,  13, 15, 1,  3,  14,
     5,  2,  8,  4,  3,  15, 0,  6,  10, 1, 13, 8,  9,  4,  5,  11, 12, 7,  2,  14},
    {2,  12, 4,  1,  7,  10, 11, 6, 8,  5,  3,  15, 13, 0, 14, 9,  14, 11, 2,  12, 4,  7,
     13, 1,  5,  0,  15, 10, 3,  9, 8,  6,  4,  2,  1,  11, 10, 13, 7,  8,  15, 9,  12, 5,
     6,  3,  0,  14, 11, 8,  12, 7, 1,  14, 2,  13, 6,  15, 0,  9,  10, 4,  5,  3},
    {12, 1,  10, 15, 9,  2,  6,  8,  0,  13, 3,  4,  14, 7,  5,  11, 10, 15, 4,  2,  7,  12,
     9,  5,  6,  1,  13, 14, 0,  11, 3,  8,  9,  14, 15, 5,  2,  8,  12, 3,  7,  0,  4,  10,
     1,  13, 11, 6,  4,  3,  2,  12, 9,  5,  15, 10, 11, 14, 1,  7,  6,  0,  8,  13},
    {4,  11, 2,  14, 15, 0,  8, 13, 3,  12, 9,  7,  5,  10, 6,  1,  13, 0,  11, 7,  4,  9,
     1,  10, 14, 3,  5,  12, 2, 15, 8,  6,  1,  4,  11, 13, 12, 3,  7,  14, 10, 15, 6,  8,
     0,  5,  9,  2,  6,  11, 13, 8, 1,  4,  10, 7,  9,  5,  0,  15, 14, 2,  3,  12},
    {13, 2,  8,  4,  6,  15, 11, 1,  10, 9,  3,  14, 5,  0,  12, 7,  1,  15, 13, 8,  10, 3,
     7,  4,  12, 5,  6,  11, 0,  14, 9,  2,  7,  11, 4,  1,  9,  12, 14, 2,  0,  6,  10, 13,
     15, 3,  5,  8,  2,  1,  14, 7,  4,  10, 8,  13, 15, 12, 9,  0,  3,  5,  6,  11},
};

constexpr uint8_t kPermutationP[32] = {16, 7, 20, 21, 29, 12, 28, 17, 1,  15, 23, 26, 5,  18, 31, 10,
                                       2,  8, 24, 14, 32, 27, 3,  9,  19, 13, 30, 6,  22, 11, 4,  25};

constexpr uint8_t kPermutedChoice1[56] = {57, 49, 41, 33, 25, 17, 9,  1,  58, 50, 42, 34, 26, 18,
                                          10, 2,  59, 51, 43, 35, 27, 19, 11, 3,  60, 52, 44, 36,
                                          63, 55, 47, 39, 31, 23, 15, 7,  62, 54, 46, 38, 30, 22,
                                          14, 6,  61, 53, 45, 37, 29, 21, 13, 5,  28, 20, 12, 4};

constexpr uint8_t kPermutedChoice2[48] = {14, 17, 11, 24, 1,  5,  3,  28, 15, 6,  21, 10,
                                          23, 19, 12, 4,  26, 8,  16, 7,  27, 20, 13, 2,
                                          41, 52, 31, 37, 47, 55, 30, 40, 51, 45, 33, 48,
                                          44, 49, 39, 56, 34, 53, 46, 42, 50, 36, 29, 32};

constexpr uint8_t kShifts[16] = {1, 1, 2, 2, 2, 2, 2, 2, 1, 2, 2, 2, 2, 2, 2, 1};

// S-box i then P, for every six-bit input, rotated left by one like the halves.
using SpTables = std::array<std::array<uint32_t, 64>, 8>;
constexpr SpTables MakeSpTables() {
  SpTables tables{};
  for (int box = 0; box < 8; ++box) {
    for (uint32_t v = 0; v < 64; ++v) {
      const uint32_t row = ((v >> 4) & 2) | (v & 1);
      const uint32_t column = (v >> 1) & 15;
      const uint32_t before_p = uint32_t{kSboxes[box][row * 16 + column]} << (28 - 4 * box);
      uint32_t after_p = 0;
      for (int j = 0; j < 32; ++j) after_p |= ((before_p >> (32 - kPermutationP[j])) & 1) << (31 - j);
      tables[box][v] = std::rotl(after_p, 1);
    }
  }
  return tables;
}
constexpr SpTables kSp = MakeSpTables();

// Exchanges the bits of a selected by mask with the bits of b that lie shift places lower.
inline void SwapMove(uint32_t& a, uint32_t& b, int shift, uint32_t mask) {
  const uint32_t t = ((a >> shift) ^ b) & mask;
  b ^= t;
  a ^= t << shift;
}

inline void InitialPermutation(uint32_t& left, uint32_t& right) {
  SwapMove(left, right, 4, 0x0f0f0f0f);
  SwapMove(left, right, 16, 0x0000ffff);
  SwapMove(right, left, 2, 0x33333333);
  SwapMove(right, left, 8, 0x00ff00ff);
  SwapMove(left, right, 1, 0x55555555);
}

inline void FinalPermutation(uint32_t& left, uint32_t& right) {
  SwapMove(left, right, 1, 0x55555555);
  SwapMove(right, left, 8, 0x00ff00ff);
  SwapMove(right, left, 2, 0x33333333);
  SwapMove(left, right, 16, 0x0000ffff);
  SwapMove(left, right, 4, 0x0f0f0f0f);
}

// f(R, K) for a half kept rotated left by one.
inline uint32_t Feistel(uint32_t rotated_half, const uint32_t* key) {
  const uint32_t odd = rotated_half ^ key[0];
  const uint32_t even = std::rotr(rotated_half, 4) ^ key[1];
  return kSp[1][(odd >> 24) & 63] ^ kSp[3][(odd >> 16) & 63] ^ kSp[5][(odd >> 8) & 63] ^ kSp[7][odd & 63] ^
         kSp[0][(even >> 24) & 63] ^ kSp[2][(even >> 16) & 63] ^ kSp[4][(even >> 8) & 63] ^ kSp[6][even & 63];
}

}  // namespace

void MakeDesSchedule(const unsigned char key[8], int mode, DesSchedule& schedule) {
  uint64_t k = 0;
  for (int i = 0; i < 8; ++i) k = (k << 8) | key[i];
  uint32_t c = 0, d = 0;
  for (int i = 0; i < 28; ++i) {
    c |= static_cast<uint32_t>((k >> (64 - kPermutedChoice1[i])) & 1) << (27 - i);
    d |= static_cast<uint32_t>((k >> (64 - kPermutedChoice1[i + 28])) & 1) << (27 - i);
  }
  for (int round = 0; round < 16; ++round) {
    const int shift = kShifts[round];
    c = ((c << shift) | (c >> (28 - shift))) & 0x0fffffff;
    d = ((d << shift) | (d >> (28 - shift))) & 0x0fffffff;
    const uint64_t cd = (uint64_t{c} << 28) | d;
    uint32_t groups[8] = {};
    for (int j = 0; j < 48; ++j) {
      groups[j / 6] |= static_cast<uint32_t>((cd >> (56 - kPermutedChoice2[j])) & 1) << (5 - j % 6);
    }
    const int slot = mode == EN0 ? round : 15 - round;
    schedule.words[2 * slot] = (groups[1] << 24) | (groups[3] << 16) | (groups[5] << 8) | groups[7];
    schedule.words[2 * slot + 1] = (groups[0] << 24) | (groups[2] << 16) | (groups[4] << 8) | groups[6];
    SecureWipe(groups, sizeof groups);
  }
  SecureWipe(&k, sizeof k);
  SecureWipe(&c, sizeof c);
  SecureWipe(&d, sizeof d);
}

void DesCryptHalves(const DesSchedule& schedule, uint32_t& left, uint32_t& right) {
  uint32_t l = left, r = right;
  InitialPermutation(l, r);
  l = std::rotl(l, 1);
  r = std::rotl(r, 1);
  const uint32_t* key = schedule.words;
  for (int round = 0; round < 16; round += 2, key += 4) {
    l ^= Feistel(r, key);
    r ^= Feistel(l, key + 2);
  }
  // The last round does not exchange the halves.
  l = std::rotr(l, 1);
  r = std::rotr(r, 1);
  FinalPermutation(r, l);
  left = r;
  right = l;
}

void DesCryptBlock(const DesSchedule& schedule, const unsigned char in[8], unsigned char out[8]) {
  uint32_t left = LoadBigEndian32(in), right = LoadBigEndian32(in + 4);
  DesCryptHalves(schedule, left, right);
  StoreBigEndian32(out, left);
  StoreBigEndian32(out + 4, right);
}

}  // namespace ruzi
