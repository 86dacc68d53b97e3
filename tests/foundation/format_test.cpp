// Format: the known answers of tests/data/format.txt, and random integers and fixed-point
// floats against the C library's printf. FormatFloat pictures: the known answers of
// tests/data/format_float.txt, and random values against Format's fixed and grouped directives
// (which group as the pictures do).
#include "foundation/format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "foundation/format_float.h"
#include "vector_file.h"

namespace ruzi {
namespace {

// Each case of tests/data/format.txt: the arguments typed by their prefix.
TEST(Format, KnownAnswers) {
  for (const testing::VectorCase& c : testing::ReadVectors("format.txt")) {
    ASSERT_GE(c.size(), 2u);
    std::vector<FormatArg> args;
    for (auto text = c.begin() + 2; text != c.end(); ++text) {
      const std::string value = text->substr(2);
      switch ((*text)[0]) {
        case 'i': args.emplace_back(std::stoi(value)); break;
        case 'l': args.emplace_back(std::stoll(value)); break;
        case 'u': args.emplace_back(std::stoull(value)); break;
        case 'f': args.emplace_back(std::stod(value)); break;
        case 'c': args.emplace_back(value[0]); break;
        default: args.emplace_back(std::string_view(*text).substr(2)); break;
      }
    }
    std::string got;
    try {
      got = FormatList(c[0], args);
    } catch (const ConvertError& error) {  // what the callers catch
      got = std::string("error: ") + error.what();
    }
    EXPECT_EQ(got, c[1]) << c[0];
  }
}

TEST(Format, PointersAndCopiedArguments) {
  const std::string pointer = Format("%p", {reinterpret_cast<const void*>(uintptr_t{0xBEEF})});
  EXPECT_EQ(pointer, std::string(sizeof(void*) * 2 - 4, '0') + "BEEF");
  std::vector<FormatArg> copies;  // copies keep a character argument's own text
  copies.push_back(FormatArg('z'));
  copies.reserve(100);
  EXPECT_EQ(FormatList("%s", copies), "z");
}

std::string Printf(const char* format, long long a, long long b, long long c) {
  char buffer[256];
  std::snprintf(buffer, sizeof buffer, format, a, b, c);
  return buffer;
}

TEST(Format, RandomIntegersAgreeWithPrintf) {
  std::mt19937_64 random(7);
  std::uniform_int_distribution<int> small(0, 24);
  // Ours, then printf's; zero padding is overridden by a precision.
  const std::pair<std::string, std::string> conversions[] = {
      {"*.*d", "*.*lld"}, {"*.*x", "*.*llX"}, {"*.*u", "*.*llu"}, {"-*.*d", "-*.*lld"}, {"0*.*x", "0*.*llX"}};
  for (int i = 0; i < 20000; ++i) {
    const long long value = static_cast<long long>(random()) >> small(random) * 2;
    const int width = small(random), precision = small(random);
    for (const auto& [ours, theirs] : conversions) {
      EXPECT_EQ(Format("%" + ours, {width, precision, value}), Printf(("%" + theirs).c_str(), width, precision, value));
    }
    EXPECT_EQ(Format("%0*d", {width, value}), Printf("%0*lld", width, value, 0));
  }
}

// Digits after the cut in the value's 18-significant-digit form, as printf sees it.
bool IsEighteenDigitTie(double value, int decimals) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.17e", std::fabs(value));  // d.ddddddddddddddddde±x
  const std::string digits = buffer[0] + std::string(buffer + 2, 17);
  const int cut = std::atoi(buffer + 20) + 1 + decimals;
  return cut >= 0 && cut < 18 && digits[cut] == '5' && digits.find_first_not_of('0', cut + 1) == std::string::npos;
}

TEST(Format, RandomFixedFloatsAgreeWithPrintfExceptOnTies) {
  std::mt19937_64 random(11);
  std::uniform_real_distribution<double> mantissa(-1, 1);
  // Within 18 significant digits, where the two must agree.
  std::uniform_int_distribution<int> scale(-6, 10);
  std::uniform_int_distribution<int> decimals(0, 8);
  int ties = 0;
  for (int i = 0; i < 20000; ++i) {
    // Short decimal values make ties common; long ones exercise plain rounding.
    double value = mantissa(random) * std::pow(10.0, scale(random));
    if (i % 4 == 0) value = std::round(value * 1000) / 1000;
    if (i % 4 == 1) value = std::round(value * 8) / 8;  // exact binary fractions: true ties
    const int places = decimals(random);
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, "%.*f", places, value);
    const std::string theirs = buffer;
    const std::string ours = Format("%.*f", {places, value});
    if (ours == theirs) continue;
    // We never write a negative zero.
    if (theirs.find_first_not_of("-0.") == std::string::npos && ours == theirs.substr(1)) continue;
    // printf rounds ties to even on the exact value; we round half away on 18 digits: one more
    // in the last place, away from zero.
    ASSERT_TRUE(IsEighteenDigitTie(value, places)) << value << " ours " << ours << " printf " << theirs;
    auto units = [](std::string text) { std::erase(text, '.'); return std::stoll(text); };
    EXPECT_EQ(units(ours), units(theirs) + (value < 0 ? -1 : 1)) << value;
    ++ties;
  }
  EXPECT_GT(ties, 100);  // the tie rule was really exercised
}

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
