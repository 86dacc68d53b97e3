// FormatFloat pictures: the client's amount pictures, sections, literals and exponents, and
// random values against Format's fixed and grouped directives.
#include "foundation/format_float.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "foundation/format.h"

namespace ruzi {
namespace {

TEST(FormatFloat, AmountPictures) {
  EXPECT_EQ(FormatFloat("#,##0.00", 1234567.891), "1,234,567.89");
  EXPECT_EQ(FormatFloat("#,##0.00", -1234.5), "-1,234.50");
  EXPECT_EQ(FormatFloat("#,##0.00", 0), "0.00");
  EXPECT_EQ(FormatFloat("#,##0.00", 0.125), "0.13");
  EXPECT_EQ(FormatFloat("#,##0.00", 999.995), "1,000.00");
  EXPECT_EQ(FormatFloat("#,##0.00", 100), "100.00");
  EXPECT_EQ(FormatFloat("#,##0.00", 1000), "1,000.00");
  EXPECT_EQ(FormatFloat("#,##0.000", 1234.5678), "1,234.568");
  EXPECT_EQ(FormatFloat("#,##0", 1234567.5), "1,234,568");
  EXPECT_EQ(FormatFloat("#,##0", -0.4), "0");  // rounds to zero: no sign
  EXPECT_EQ(FormatFloat("0.000", 2.5), "2.500");
  EXPECT_EQ(FormatFloat("0.000", -0.0005), "-0.001");
  EXPECT_EQ(FormatFloat("0.000", 1234567.891), "1234567.891");
}

TEST(FormatFloat, OptionalDigitsAndLiterals) {
  EXPECT_EQ(FormatFloat("0.##", 1), "1");  // no point without digits after it
  EXPECT_EQ(FormatFloat("0.##", 1.5), "1.5");
  EXPECT_EQ(FormatFloat("0.0#", 1.5), "1.5");
  EXPECT_EQ(FormatFloat("0.0#", 1), "1.0");
  EXPECT_EQ(FormatFloat("#.##", 0.5), ".5");
  EXPECT_EQ(FormatFloat("#", 0), "");
  EXPECT_EQ(FormatFloat("000", 7), "007");
  EXPECT_EQ(FormatFloat(".00", 12.5), "12.50");
  EXPECT_EQ(FormatFloat("'$'#,##0.0", 1234.56), "$1,234.6");
  EXPECT_EQ(FormatFloat("\"E+\"0", 5), "E+5");
  EXPECT_EQ(FormatFloat("0元", 5), "5元");
  EXPECT_EQ(FormatFloat("0.00%", 12.5), "12.50%");
  EXPECT_EQ(FormatFloat("00-00", 1234), "12-34");
  EXPECT_EQ(FormatFloat("", 1234.5), "1234.5");
}

TEST(FormatFloat, Sections) {
  const char* picture = "#,##0.00;(#,##0.00);零";
  EXPECT_EQ(FormatFloat(picture, 1234.5), "1,234.50");
  EXPECT_EQ(FormatFloat(picture, -1234.5), "(1,234.50)");
  EXPECT_EQ(FormatFloat(picture, 0), "零");
  EXPECT_EQ(FormatFloat(picture, -0.001), "零");
  EXPECT_EQ(FormatFloat("0.0;;zero", -2), "-2.0");  // empty negative section: the first, signed
  EXPECT_EQ(FormatFloat("0.0;(0.0)", -0.01), "0.0");  // rounds to zero without a zero section
  EXPECT_EQ(FormatFloat("0;'a;b'", -1), "a;b");
  EXPECT_EQ(FormatFloat(";(0)", -1), "(1)");
  EXPECT_EQ(FormatFloat(";(0)", 1), "");
  // Alternating pictures must not reuse each other's parse.
  EXPECT_EQ(FormatFloat("0.0", 2), "2.0");
  EXPECT_EQ(FormatFloat("0.00", 2), "2.00");
  EXPECT_EQ(FormatFloat("0.0", 2), "2.0");
}

TEST(FormatFloat, Exponents) {
  EXPECT_EQ(FormatFloat("0.00E+00", 1234.5), "1.23E+03");
  EXPECT_EQ(FormatFloat("0.00E+00", 0.000125), "1.25E-04");
  EXPECT_EQ(FormatFloat("0.00E-00", 1234.5), "1.23E03");
  EXPECT_EQ(FormatFloat("00.0e+0", 1234.5), "12.3e+2");
  EXPECT_EQ(FormatFloat("0.00E+00", 0), "0.00E+00");
  EXPECT_EQ(FormatFloat("0.00E+00", -9.999), "-1.00E+01");
  EXPECT_EQ(FormatFloat("#,##0.00", 1e20), "1E20");  // too long for fixed digits
}

TEST(FormatFloat, RandomValuesAgreeWithFormat) {
  std::mt19937_64 random(9);
  std::uniform_real_distribution<double> mantissa(-1, 1);
  std::uniform_int_distribution<int> scale(-4, 11);
  for (int i = 0; i < 20000; ++i) {
    double value = mantissa(random) * std::pow(10.0, scale(random));
    if (i % 2) value = std::round(value * 1000) / 1000;
    ASSERT_EQ(FormatFloat("#,##0.00", value), Format("%.2n", {value})) << value;
    ASSERT_EQ(FormatFloat("0.000", value), Format("%.3f", {value})) << value;
    // Grouping: the ungrouped digits with a "," every three from the right.
    const std::string grouped = FormatFloat("#,##0", value);
    const std::string plain = FormatFloat("0", value);
    std::string stripped;
    for (char c : grouped) {
      if (c != ',') stripped += c;
    }
    ASSERT_EQ(stripped, plain);
    const size_t digits_start = plain[0] == '-' ? 1 : 0;
    for (size_t k = 0; k < grouped.size(); ++k) {
      if (grouped[k] != ',') continue;
      ASSERT_GT(k, digits_start);
      ASSERT_EQ((grouped.size() - k - 1) % 4, 3u) << grouped;
    }
  }
}

}  // namespace
}  // namespace ruzi
