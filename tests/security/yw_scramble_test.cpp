#include <gtest/gtest.h>

#include <random>

#include "foundation/convert_error.h"
#include "foundation/trim.h"
#include "security/yw_scramble.h"

namespace ruzi {
namespace {

TEST(YwScramble, RotatesAndWritesUpperHex) {
  EXPECT_EQ(YWDecode("abc"), "636162");
  EXPECT_EQ(YWEncode("636162"), "abc");
  EXPECT_EQ(YWDecode("a"), "61");
  EXPECT_EQ(YWDecode(""), "");
  EXPECT_EQ(YWDecode("\xBD\xBB"), "BBBD");
  EXPECT_EQ(YWEncode("bbbd"), "\xBD\xBB");
}

TEST(YwScramble, EncodeOfDecodeGivesTheTrimmedText) {
  std::mt19937 random(37);
  for (int trial = 0; trial < 500; ++trial) {
    std::string text(random() % 20, '\0');
    for (char& c : text) c = static_cast<char>(random() % 256);
    const std::string scrambled = YWDecode(text);
    ASSERT_EQ(scrambled.size(), 2 * text.size());
    ASSERT_EQ(YWEncode(scrambled), Trim(text));
  }
}

TEST(YwScramble, OddEmptyAndInvalidTexts) {
  EXPECT_EQ(YWEncode(""), "");
  EXPECT_EQ(YWEncode("636"), "");
  EXPECT_THROW(YWEncode("63zz62"), ConvertError);
  EXPECT_THROW(YWEncode("6-"), ConvertError);
}

}  // namespace
}  // namespace ruzi
