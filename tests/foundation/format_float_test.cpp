// FormatFloat pictures: the known answers of tests/data/format_float.txt, and random values
// against Format's fixed and grouped directives (which group as the pictures do).
#include "foundation/format_float.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "foundation/format.h"
#include "vector_file.h"

namespace ruzi {
namespace {

TEST(FormatFloat, KnownAnswers) {
  for (const testing::VectorCase& c : testing::ReadVectors("format_float.txt")) {
    ASSERT_EQ(c.size(), 3u);
    EXPECT_EQ(FormatFloat(c[0], std::stod(c[1])), c[2]) << c[0] << " of " << c[1];
  }
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
  }
}

}  // namespace
}  // namespace ruzi
