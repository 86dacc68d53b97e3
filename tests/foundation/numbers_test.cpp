// Tolerant comparisons, the rounding rules with their nudges, and number texts.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>

#include "foundation/comma_text.h"
#include "foundation/convert_error.h"
#include "foundation/float_compare.h"
#include "foundation/number_text.h"
#include "foundation/rounding.h"

namespace ruzi {
namespace {

TEST(FloatCompare, EpsilonFollowsTheFirstOperand) {
  EXPECT_TRUE(FEqual(100, 100.000001));
  EXPECT_FALSE(FEqual(1, 1.000001));
  EXPECT_TRUE(FEqual(1, 1.0000000001));
  EXPECT_FALSE(FEqual(10, 10.000001));  // 10 is not above 10
  EXPECT_TRUE(FEqual(10.0000001, 10));
  EXPECT_FALSE(FEqual(-100, -100.000001));  // negatives use 1e-9
  // FLessThan(A, B) is FMoreThan(B, A): the epsilon comes from B.
  EXPECT_FALSE(FLessThan(100, 100.000002));
  EXPECT_TRUE(FLessThan(5, 5.000002));
  EXPECT_TRUE(FMoreThan(100.0001, 100));
  EXPECT_FALSE(FMoreThan(100.000001, 100));
  EXPECT_TRUE(FMoreEqual(100, 100.000001));
  EXPECT_TRUE(FLessEqual(100.000001, 100));
  EXPECT_FALSE(FMoreEqual(1, 2));
  EXPECT_FALSE(FLessEqual(2, 1));
}

TEST(FloatCompare, RandomPairsAgainstTheDefinition) {
  std::mt19937_64 random(12);
  std::uniform_real_distribution<double> base(-50, 50);
  std::uniform_real_distribution<double> offset(-3e-5, 3e-5);
  for (int i = 0; i < 100000; ++i) {
    const double a = base(random);
    const double b = a + (i % 3 == 0 ? offset(random) / 1000 : offset(random));
    const double eps_a = a > 10 ? 1e-5 : 1e-9;
    const double eps_b = b > 10 ? 1e-5 : 1e-9;
    ASSERT_EQ(FEqual(a, b), std::fabs(a - b) < eps_a);
    ASSERT_EQ(FMoreThan(a, b), a - b > eps_a);
    ASSERT_EQ(FLessThan(a, b), b - a > eps_b);
    // Exactly one of <, =, > holds when the epsilons agree.
    if (eps_a == eps_b) {
      ASSERT_EQ(FLessThan(a, b) + FEqual(a, b) + FMoreThan(a, b), 1);
    }
  }
}

TEST(Rounding, DocumentedCases) {
  EXPECT_DOUBLE_EQ(RoundToex(1.005, -2), 1.01);
  EXPECT_DOUBLE_EQ(RoundToex(2.5, 0), 3);
  EXPECT_DOUBLE_EQ(RoundToex(1234.5, 1), 1230);
  EXPECT_DOUBLE_EQ(RoundToex(1250, 2), 1300);  // 12.5 nudged above the tie
  EXPECT_DOUBLE_EQ(RoundToex(-2.5, 0), -2);    // the nudge is added whatever the sign
  EXPECT_DOUBLE_EQ(RoundToex(2.4999995, 0), 3);
  EXPECT_DOUBLE_EQ(RoundToex(2.499998, 0), 2);
  EXPECT_EQ(TruncEx(2.9999999), 3);
  EXPECT_EQ(TruncEx(-1.5), -1);
  EXPECT_EQ(TruncEx(-2.9999999), -3);
  EXPECT_EQ(TruncEx(2.5), 2);
  EXPECT_EQ(TruncEx(-0.0000000001), 0);  // not below zero by the tolerance: nudged up
  EXPECT_EQ(TruncEx(1e300), std::numeric_limits<int64_t>::max());
  EXPECT_EQ(TruncEx(-1e300), std::numeric_limits<int64_t>::min());
  EXPECT_EQ(RoundEx(2.5), 3);
  EXPECT_EQ(RoundEx(3.5), 4);
  EXPECT_EQ(RoundEx(-3.5), -3);
  EXPECT_DOUBLE_EQ(RoundEx(1.005, 2), 1.01);  // 100.49999... nudged past the tie
  EXPECT_DOUBLE_EQ(RoundEx(1.2345, 3), 1.235);
  EXPECT_DOUBLE_EQ(RoundEx(7.6, 0), 8);
  EXPECT_DOUBLE_EQ(RoundEx(7.6, -3), 8);  // P is 1 for n <= 0
}

TEST(Rounding, RandomValuesAgainstDirectArithmetic) {
  std::mt19937_64 random(13);
  std::uniform_real_distribution<double> value(-1e6, 1e6);
  std::uniform_int_distribution<int> digits(-4, 3);
  for (int i = 0; i < 50000; ++i) {
    const double x = value(random);
    const int d = digits(random);
    const double factor = std::pow(10.0, d);
    const double rounded = RoundToex(x, static_cast<int8_t>(d));
    // Within half a step (plus the nudge) of x, and a whole number of steps.
    ASSERT_LE(std::fabs(rounded - x), factor / 2 + factor * 1e-5) << x << " " << d;
    const double steps = rounded / factor;
    ASSERT_NEAR(std::remainder(steps, 1.0), 0, std::max(1e-9, std::fabs(steps) * 1e-15));
    const int64_t truncated = TruncEx(x);
    ASSERT_LE(std::fabs(static_cast<double>(truncated)), std::fabs(x) + 1e-6);
    ASSERT_LT(std::fabs(x - static_cast<double>(truncated)), 1.0);
  }
}

TEST(NumberText, ConversionsWithoutErrors) {
  EXPECT_EQ(StrToIntNE("1,234"), 1234);
  EXPECT_EQ(StrToIntNE("abc"), 0);
  EXPECT_EQ(StrToIntNE(""), 0);
  EXPECT_EQ(StrToIntNE("-1,000,000"), -1000000);
  EXPECT_EQ(StrToIntNE("9,999,999,999"), 0);  // beyond 32 bits: no conversion
  EXPECT_DOUBLE_EQ(StrToFloatNE("1,234.5"), 1234.5);
  EXPECT_DOUBLE_EQ(StrToFloatNE("x"), 0);
  EXPECT_TRUE(IsANumber("1.5e3"));
  EXPECT_FALSE(IsANumber("1,5"));
  EXPECT_TRUE(IsAInteger("9223372036854775807"));
  EXPECT_FALSE(IsAInteger("9223372036854775808"));
  EXPECT_FALSE(IsAInteger("1.0"));
}

TEST(CommaText, Formats) {
  EXPECT_EQ(qxStrAsComma("1234567.5"), "1,234,568");
  EXPECT_EQ(qxStrAsComma("1,234"), "1,234");
  EXPECT_EQ(qxStrAsComma("-999.4"), "-999");
  EXPECT_THROW(qxStrAsComma("abc"), ConvertError);
  EXPECT_EQ(qxIntAsComma(0), "0");
  EXPECT_EQ(qxIntAsComma(999), "999");
  EXPECT_EQ(qxIntAsComma(1000), "1,000");
  EXPECT_EQ(qxIntAsComma(-1234567), "-1,234,567");
  EXPECT_EQ(qxIntAsComma(INT64_MIN), "-9,223,372,036,854,775,808");
  EXPECT_EQ(qxCommaTrim("1,234,567.00"), "1234567.00");
  EXPECT_EQ(qxCommaTrim(",,"), "");
  EXPECT_EQ(qxFloatAsComma(1234567.891, false), "1,234,567.89");
  EXPECT_EQ(qxFloatAsComma(1234567.891, true), "1,234,567.891");
  EXPECT_EQ(qxFloatAsComma(-0.004, false), "0.00");
  EXPECT_EQ(qxFloatAsComma(99999000000000.0, false), "99,999,000,000,000.00");
}

TEST(CommaText, IntegersAgainstAModel) {
  std::mt19937_64 random(14);
  for (int i = 0; i < 20000; ++i) {
    const auto value = static_cast<int64_t>(random()) >> (random() % 64);
    const std::string text = qxIntAsComma(value);
    ASSERT_EQ(qxCommaTrim(text), std::to_string(value));
    const size_t first_digit = value < 0 ? 1 : 0;
    const size_t digits = text.size() - first_digit;
    for (size_t k = first_digit; k < text.size(); ++k) {
      ASSERT_EQ(text[k] == ',', (text.size() - k) % 4 == 0) << text;
    }
    ASSERT_NE(digits % 4, 0u) << text;  // never a leading comma
  }
}

}  // namespace
}  // namespace ruzi
