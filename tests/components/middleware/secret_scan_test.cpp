// The quick look for a password tag that lets most requests skip masking: it must see every
// "password>" in any letter case (a miss would store a secret), checked against a plain
// search over texts built from the pieces that make it up, near misses included.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

#include "secret_mask.h"

namespace ruzi::mwd {
namespace {

bool HoldsFolded(std::string text, const std::string& lower) {
  std::transform(text.begin(), text.end(), text.begin(), [](char c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; });
  return text.find(lower) != std::string::npos;
}

TEST(SecretScan, FindsEveryPasswordTagEndAgainstAPlainSearch) {
  const char* pieces[] = {"<",    "</",     "vc_",  "capital_", "pass", "PaSs", "word", "WORD", ">",
                          "word>", "s",     "d>",   "x",        "\xb5\xc4", "<a>1</a>", "passwor", "assword>"};
  std::mt19937 random(7);
  int found = 0;
  for (int round = 0; round < 20000; ++round) {
    std::string text;
    for (int n = static_cast<int>(random() % 12); n > 0; --n) text += pieces[random() % std::size(pieces)];
    const bool holds = HoldsFolded(text, "password>");
    ASSERT_EQ(MayHoldSecrets(text), holds) << text;
    found += holds;
    if (!holds) {
      ASSERT_EQ(MaskSecrets(text), text) << text;
    }
  }
  EXPECT_GT(found, 100);  // the pieces make the tag often enough to matter
}

}  // namespace
}  // namespace ruzi::mwd
