// Capital numerals: the documented amounts, and every integer amount of a random sample read
// back by an independent parser of the spelled text.
#include "business/chinese_numerals.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

namespace ruzi {
namespace {

TEST(ChineseNumerals, DocumentedAmounts) {
  EXPECT_EQ(GetNumberToChinese(0), "零");
  EXPECT_EQ(GetNumberToChinese(0.009), "零");
  EXPECT_EQ(GetNumberToChinese(-0.009), "零");
  EXPECT_EQ(GetNumberToChinese(10), "壹拾");
  EXPECT_EQ(GetNumberToChinese(100), "壹佰");
  EXPECT_EQ(GetNumberToChinese(1001), "壹仟零壹");
  EXPECT_EQ(GetNumberToChinese(100000000), "壹亿");
  EXPECT_EQ(GetNumberToChinese(1000000000000), "壹万亿");
  EXPECT_EQ(GetNumberToChinese(0.5), "点伍");
  EXPECT_EQ(GetNumberToChinese(12.30), "壹拾贰点叁");
  EXPECT_EQ(GetNumberToChinese(1234.56), "壹仟贰佰叁拾肆点伍陆");
  EXPECT_EQ(GetNumberToChinese(-1234.56), "负壹仟贰佰叁拾肆点伍陆");
  EXPECT_EQ(GetNumberToChinese(99999000000000.0), "99,999,000,000,000.00");
  EXPECT_EQ(GetNumberToChinese(-99999000000000.0), "-99,999,000,000,000.00");
}

TEST(ChineseNumerals, ZerosAndUnits) {
  EXPECT_EQ(GetNumberToChinese(0.01), "点零壹");
  EXPECT_EQ(GetNumberToChinese(1), "壹");
  EXPECT_EQ(GetNumberToChinese(101), "壹佰零壹");
  EXPECT_EQ(GetNumberToChinese(110), "壹佰壹拾");
  EXPECT_EQ(GetNumberToChinese(10010), "壹万零壹拾");
  EXPECT_EQ(GetNumberToChinese(100010), "壹拾万零壹拾");
  EXPECT_EQ(GetNumberToChinese(1000001), "壹佰万零壹");
  EXPECT_EQ(GetNumberToChinese(100000001), "壹亿零壹");
  EXPECT_EQ(GetNumberToChinese(120000000), "壹亿贰仟万");
  EXPECT_EQ(GetNumberToChinese(1.05), "壹点零伍");
  EXPECT_EQ(GetNumberToChinese(9999900000000.0), "玖万玖仟玖佰玖拾玖亿");
  EXPECT_EQ(GetNumberToChinese(9999900000000.5), "9,999,900,000,000.50");
  EXPECT_EQ(GetNumberToChinese(1e20), "1E20");  // more integer digits than a picture holds
  EXPECT_EQ(GetNumberToChinese(std::nan("")), "NAN");
  EXPECT_EQ(GetNumberToChinese(-INFINITY), "-INF");
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

TEST(ChineseNumerals, FractionDigitsFollowTheShortestText) {
  EXPECT_EQ(GetNumberToChinese(3.14159), "叁点壹肆壹伍玖");
  EXPECT_EQ(GetNumberToChinese(0.1 + 0.2), "点叁");  // 15 significant digits: 0.3
  EXPECT_EQ(GetNumberToChinese(100.07), "壹佰点零柒");
}

}  // namespace
}  // namespace ruzi
