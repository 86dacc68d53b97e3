#include <gtest/gtest.h>

#include <random>
#include <string>

#include "security/hex_text.h"
#include "security/sm3.h"
#include "security/sm_api.h"

namespace ruzi {
namespace {

std::string DigestHex(const std::string& message) {
  unsigned char digest[Sm3::kDigestSize];
  Sm3Hash(message.data(), message.size(), digest);
  return HexLower(digest, sizeof digest);
}

TEST(Sm3, StandardVectors) {
  EXPECT_EQ(DigestHex("abc"), "66c7f0f462eeedd9d1f2d46bdc10e4e24167c4875cf2f7a2297da02b8f4ba8e0");
  std::string sixty_four;
  for (int i = 0; i < 16; ++i) sixty_four += "abcd";
  EXPECT_EQ(DigestHex(sixty_four), "debe9ff92275b8a138604889c18e5a4d6fdb70e5387e5765293dcba39c0c5732");
}

// Feeding in pieces must not lose or repeat bytes at the 64-byte block edges, nor in the
// padding that spills into a second block from 56 bytes on.
TEST(Sm3, PiecewiseEqualsOneShotAcrossBlockEdges) {
  std::mt19937 random(7);
  for (size_t length : {0, 1, 55, 56, 57, 63, 64, 65, 119, 120, 127, 128, 129, 300}) {
    std::string message(length, '\0');
    for (char& c : message) c = static_cast<char>(random());
    unsigned char whole[32];
    Sm3Hash(message.data(), message.size(), whole);
    for (int trial = 0; trial < 20; ++trial) {
      Sm3 sm3;
      size_t at = 0;
      while (at < length) {
        size_t piece = std::min<size_t>(length - at, random() % 70);
        sm3.Update(message.data() + at, piece);
        at += piece;
      }
      unsigned char pieces[32];
      sm3.Finish(pieces);
      ASSERT_EQ(HexLower(pieces, 32), HexLower(whole, 32)) << "length " << length;
    }
  }
}

TEST(Sm3, FinishStartsANewMessage) {
  Sm3 sm3;
  sm3.Update("xyz", 3);
  unsigned char first[32], second[32];
  sm3.Finish(first);
  sm3.Update("abc", 3);
  sm3.Finish(second);
  EXPECT_EQ(HexLower(second, 32), DigestHex("abc"));
}

TEST(Sm3, BlockLayerResults) {
  unsigned char out[32];
  EXPECT_EQ(SM3sum(nullptr, 0, out), -1);
  EXPECT_EQ(SM3sum(reinterpret_cast<const unsigned char*>("abc"), 3, nullptr), -1);
  ASSERT_EQ(SM3sum(reinterpret_cast<const unsigned char*>("abc"), 3, out), 0);
  EXPECT_EQ(HexLower(out, 32), DigestHex("abc"));
}

}  // namespace
}  // namespace ruzi
