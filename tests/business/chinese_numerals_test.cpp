// Capital numerals: the known amounts of tests/data/numerals.txt, and every integer amount of
// a random sample read back by an independent parser of the spelled text.
#include "business/chinese_numerals.h"

#include <gtest/gtest.h>

#include <map>
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
  static const std::map<std::string, long long> kValues{{"零", 0}, {"壹", 1}, {"贰", 2}, {"叁", 3}, {"肆", 4},
      {"伍", 5}, {"陆", 6}, {"柒", 7}, {"捌", 8}, {"玖", 9}, {"拾", 10}, {"佰", 100}, {"仟", 1000}};
  long long total = 0, section = 0, pending = 0;
  for (size_t i = 0; i < text.size(); i += 2) {
    const std::string c = text.substr(i, 2);
    const auto value = kValues.find(c);
    if (value != kValues.end() && value->second < 10) {
      pending = value->second;
    } else if (value != kValues.end()) {
      section += pending * value->second;
      pending = 0;
    } else if (c == "万") {  // after 亿 it multiplies only its own section
      total += (section + pending) * 10000;
      section = pending = 0;
    } else {
      EXPECT_EQ(c, "亿") << "unexpected character in " << text;
      total = (total + section + pending) * 100000000;
      section = pending = 0;
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
