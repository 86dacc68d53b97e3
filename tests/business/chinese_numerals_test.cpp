// Capital numerals: the known amounts of tests/data/numerals.txt, and every integer amount of
// a random sample read back by an independent parser of the spelled text.
#include "business/chinese_numerals.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "vector_file.h"

namespace ruzi {
namespace {

TEST(ChineseNumerals, KnownAmounts) {
  for (const testing::VectorCase& c : testing::ReadVectors("numerals.txt")) {
    ASSERT_EQ(c.size(), 2u);
    EXPECT_EQ(GetNumberToChinese(std::stod(c[0])), c[1]) << c[0];
  }
  EXPECT_EQ(GetNumberToChinese(0.1 + 0.2), "点叁");  // 15 significant digits: 0.3
}

// Reads spelled integers back: digits and units, with 万 and 亿 as section multipliers.
long long ReadBack(const std::string& text) {
  const std::string digits[] = {"零", "壹", "贰", "叁", "肆", "伍", "陆", "柒", "捌", "玖"};
  long long total = 0, section = 0, pending = 0;
  for (size_t i = 0; i < text.size(); i += 2) {
    const std::string c = text.substr(i, 2);
    int digit = -1;
    for (int d = 0; d < 10; ++d) {
      if (digits[d] == c) digit = d;
    }
    if (digit >= 0) {
      pending = digit;
    } else if (c == "拾" || c == "佰" || c == "仟") {
      section += pending * (c == "拾" ? 10 : c == "佰" ? 100 : 1000);
      pending = 0;
    } else if (c == "万") {
      section = (section + pending) * 10000;
      // 万 after 亿 within the same number multiplies only its own section.
      total += section;
      section = pending = 0;
    } else if (c == "亿") {
      total = (total + section + pending) * 100000000;
      section = pending = 0;
    } else {
      ADD_FAILURE() << "unexpected character in " << text;
    }
  }
  return total + section + pending;
}

TEST(ChineseNumerals, RandomIntegersReadBack) {
  std::mt19937_64 random(16);
  for (int i = 0; i < 20000; ++i) {
    // Many zeros inside, as in real amounts.
    long long value = 0;
    for (int place = 0; place < 13; ++place) {
      value = value * 10 + (random() % 3 == 0 ? static_cast<long long>(random() % 10) : 0);
    }
    if (value == 0) continue;
    const std::string text = GetNumberToChinese(static_cast<double>(value));
    ASSERT_EQ(ReadBack(text), value) << value;
    ASSERT_EQ(text.find("零零"), std::string::npos) << value;
    ASSERT_FALSE(text.ends_with("零")) << value;
  }
}

}  // namespace
}  // namespace ruzi
