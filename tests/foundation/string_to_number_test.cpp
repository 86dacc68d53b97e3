// StrToInt / StrToInt64 / StrToFloat: the accepted forms, the limits of each type, the error
// text, and random round trips against the C library.
#include "foundation/string_to_number.h"

#include <gtest/gtest.h>

#include <cinttypes>
#include <clocale>
#include <cmath>
#include <cstring>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

namespace ruzi {
namespace {

TEST(StrToInt, AcceptedForms) {
  EXPECT_EQ(StrToInt("0"), 0);
  EXPECT_EQ(StrToInt("-17"), -17);
  EXPECT_EQ(StrToInt("+17"), 17);
  EXPECT_EQ(StrToInt("   17"), 17);
  EXPECT_EQ(StrToInt("007"), 7);
  EXPECT_EQ(StrToInt("$1F"), 31);
  EXPECT_EQ(StrToInt("$1f"), 31);
  EXPECT_EQ(StrToInt("0x1F"), 31);
  EXPECT_EQ(StrToInt("0X1F"), 31);
  EXPECT_EQ(StrToInt("x1F"), 31);
  EXPECT_EQ(StrToInt("-$10"), -16);
}

TEST(StrToInt, LimitsOfEachWidth) {
  EXPECT_EQ(StrToInt("2147483647"), INT32_MAX);
  EXPECT_EQ(StrToInt("-2147483648"), INT32_MIN);
  EXPECT_FALSE(TryStrToInt("2147483648"));
  EXPECT_FALSE(TryStrToInt("-2147483649"));
  EXPECT_FALSE(TryStrToInt("99999999999999999999999"));
  // Hex uses the whole unsigned range and wraps.
  EXPECT_EQ(StrToInt("$FFFFFFFF"), -1);
  EXPECT_EQ(StrToInt("$80000000"), INT32_MIN);
  EXPECT_FALSE(TryStrToInt("$100000000"));
  EXPECT_EQ(StrToInt64("9223372036854775807"), INT64_MAX);
  EXPECT_EQ(StrToInt64("-9223372036854775808"), INT64_MIN);
  EXPECT_FALSE(TryStrToInt64("9223372036854775808"));
  EXPECT_EQ(StrToInt64("$FFFFFFFFFFFFFFFF"), -1);
  EXPECT_EQ(StrToInt64("$FFFFFFFF"), 4294967295);
  EXPECT_FALSE(TryStrToInt64("$10000000000000000"));
}

TEST(StrToInt, RejectedFormsAndTheMessage) {
  for (const char* text : {"", " ", "+", "-", "$", "0x", "12 ", "1,234", "1.0", "1e3", "abc", "--1", "$G", "\t1"}) {
    EXPECT_FALSE(TryStrToInt(text)) << text;
    EXPECT_FALSE(TryStrToInt64(text)) << text;
  }
  EXPECT_FALSE(TryStrToInt(std::string_view("1\0", 2)));
  try {
    StrToInt("abc");
    FAIL();
  } catch (const ConvertError& error) {
    EXPECT_STREQ(error.what(), "'abc' is not a valid integer value");
  }
  EXPECT_EQ(StrToIntDef("x", -5), -5);
  EXPECT_EQ(StrToInt64Def("12", -5), 12);
}

TEST(StrToInt, RandomRoundTrips) {
  std::mt19937_64 random(3);
  for (int i = 0; i < 50000; ++i) {
    const uint64_t bits = random() >> (random() % 64);
    const auto value64 = static_cast<int64_t>(bits);
    const auto value32 = static_cast<int32_t>(bits);
    char text[64];
    std::snprintf(text, sizeof text, "%" PRId64, value64);
    ASSERT_EQ(StrToInt64(text), value64);
    std::snprintf(text, sizeof text, "%" PRId32, value32);
    ASSERT_EQ(StrToInt(text), value32);
    std::snprintf(text, sizeof text, "$%" PRIX32, static_cast<uint32_t>(value32));
    ASSERT_EQ(StrToInt(text), value32);
    std::snprintf(text, sizeof text, "0x%" PRIx64, bits);
    ASSERT_EQ(StrToInt64(text), value64);
    // A decimal text fits 32 bits exactly when strtoll says so.
    std::snprintf(text, sizeof text, "%" PRId64, value64);
    const bool fits = value64 >= INT32_MIN && value64 <= INT32_MAX;
    ASSERT_EQ(TryStrToInt(text).has_value(), fits) << text;
  }
}

TEST(StrToFloat, AcceptedAndRejectedForms) {
  EXPECT_EQ(StrToFloat("1.5"), 1.5);
  EXPECT_EQ(StrToFloat("  -1.5  "), -1.5);
  EXPECT_EQ(StrToFloat("+.5"), 0.5);
  EXPECT_EQ(StrToFloat("5."), 5.0);
  EXPECT_EQ(StrToFloat("1e3"), 1000.0);
  EXPECT_EQ(StrToFloat("1.5E-3"), 0.0015);
  EXPECT_EQ(StrToFloat("2E+2"), 200.0);
  EXPECT_EQ(StrToFloat("1e-400"), 0.0);  // too small reads as zero
  EXPECT_EQ(StrToFloat("0.000000000000000000000000000000000000000000000000000000000000000001e-300"), 0.0);
  for (const char* text : {"", " ", ".", "-", "1,5", "1e", "1e+", "e5", "abc", "inf", "nan", "0x10", "1e400",
                           "1 2", "1..2", "--1", "１"}) {
    EXPECT_FALSE(TryStrToFloat(text)) << text;
  }
  EXPECT_FALSE(TryStrToFloat("100000000000000000000000000000000000000000000000000000000000000000000000000000000000"
                             "0000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
                             "0000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
                             "00000000000000000000000000000000000000000000000000000000000000000000000000000"));
  try {
    StrToFloat("1,5");
    FAIL();
  } catch (const ConvertError& error) {
    EXPECT_STREQ(error.what(), "'1,5' is not a valid floating point value");
  }
  EXPECT_EQ(StrToFloatDef("?", 2.5), 2.5);
}

TEST(StrToFloat, RandomValuesMatchStrtod) {
  std::setlocale(LC_NUMERIC, "C");
  std::mt19937_64 random(5);
  std::uniform_int_distribution<int> digits(1, 17);
  for (int i = 0; i < 50000; ++i) {
    double value;
    uint64_t bits = random();
    std::memcpy(&value, &bits, sizeof value);
    if (!std::isfinite(value)) continue;
    char text[64];
    std::snprintf(text, sizeof text, i % 2 ? "%.*e" : "%.*g", digits(random), value);
    const double reference = std::strtod(text, nullptr);
    if (std::isinf(reference)) {
      ASSERT_FALSE(TryStrToFloat(text)) << text;  // rounded past the largest double
    } else {
      ASSERT_EQ(StrToFloat(text), reference) << text;
    }
  }
}

}  // namespace
}  // namespace ruzi
