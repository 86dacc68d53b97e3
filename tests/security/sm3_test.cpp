// SM3 fed in pieces and through the block layer; the digests themselves are known answers
// (cipher_vectors_test) and compared with OpenSSL natively.
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

// Pieces must not lose or repeat bytes at the 64-byte block edges, nor in the padding that
// spills into a second block from 56 bytes on; Finish starts a new message.
TEST(Sm3, PiecewiseEqualsOneShotAcrossBlockEdges) {
  std::mt19937 random(7);
  Sm3 sm3;
  sm3.Update("xyz", 3);
  unsigned char pieces[32];
  sm3.Finish(pieces);
  for (size_t length : {0, 1, 55, 56, 57, 63, 64, 65, 119, 120, 127, 128, 129, 300}) {
    std::string message(length, '\0');
    for (char& c : message) c = static_cast<char>(random());
    for (int trial = 0; trial < 20; ++trial) {
      for (size_t at = 0, piece = 0; at < length; at += piece) {
        piece = std::min<size_t>(length - at, random() % 70);
        sm3.Update(message.data() + at, piece);
      }
      sm3.Finish(pieces);
      ASSERT_EQ(HexLower(pieces, 32), DigestHex(message)) << "length " << length;
    }
  }
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
