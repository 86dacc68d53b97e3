// Number functions of foundation: the known answers of tests/data/numbers.txt, and random
// values against the definitions, a model and the C library.
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <optional>
#include <random>
#include <regex>
#include <string>

#include "foundation/comma_text.h"
#include "foundation/float_compare.h"
#include "foundation/number_text.h"
#include "foundation/rounding.h"
#include "foundation/string_to_number.h"
#include "vector_file.h"

namespace ruzi {
namespace {

using testing::Num;

double D(const std::string& text) { return std::stod(text); }
template <typename T>
std::string Maybe(const std::optional<T>& value) { return value ? std::to_string(*value) : "none"; }
template <typename T>
std::string Either(const std::optional<T>& tried, T (*strict)(std::string_view), const std::string& text) {
  return tried ? std::to_string(strict(text)) : "none";
}

TEST(Numbers, KnownAnswers) {
  const std::map<std::string, testing::Answer> functions{
      {"FEqual", [](auto& a) { return Num(FEqual(D(a[0]), D(a[1]))); }},
      {"FLessThan", [](auto& a) { return Num(FLessThan(D(a[0]), D(a[1]))); }},
      {"FMoreThan", [](auto& a) { return Num(FMoreThan(D(a[0]), D(a[1]))); }},
      {"FMoreEqual", [](auto& a) { return Num(FMoreEqual(D(a[0]), D(a[1]))); }},
      {"FLessEqual", [](auto& a) { return Num(FLessEqual(D(a[0]), D(a[1]))); }},
      {"RoundToex", [](auto& a) { return Num(RoundToex(D(a[0]), static_cast<int8_t>(std::stoi(a[1])))); }},
      {"TruncEx", [](auto& a) { return std::to_string(TruncEx(D(a[0]))); }},
      {"RoundEx", [](auto& a) {
         return a.size() == 1 ? std::to_string(RoundEx(D(a[0]))) : Num(RoundEx(D(a[0]), std::stoi(a[1])));
       }},
      {"StrToIntNE", [](auto& a) { return std::to_string(StrToIntNE(a[0])); }},
      {"StrToFloatNE", [](auto& a) { return Num(StrToFloatNE(a[0])); }},
      {"IsANumber", [](auto& a) { return Num(IsANumber(a[0])); }},
      {"IsAInteger", [](auto& a) { return Num(IsAInteger(a[0])); }},
      {"qxStrAsComma", [](auto& a) { return qxStrAsComma(a[0]); }},
      {"qxIntAsComma", [](auto& a) { return qxIntAsComma(std::stoll(a[0])); }},
      {"qxCommaTrim", [](auto& a) { return qxCommaTrim(a[0]); }},
      {"qxFloatAsComma", [](auto& a) { return qxFloatAsComma(D(a[0]), a[1] == "1"); }},
      // The strict form agrees with the Try form, and throws where it has no value.
      {"StrToInt", [](auto& a) {
         return a[0] == "abc" ? std::to_string(StrToInt(a[0])) : Either(TryStrToInt(a[0]), &StrToInt, a[0]);
       }},
      {"StrToInt64", [](auto& a) { return Either(TryStrToInt64(a[0]), &StrToInt64, a[0]); }},
      {"StrToIntDef", [](auto& a) { return std::to_string(StrToIntDef(a[0], std::stoi(a[1]))); }},
      {"StrToInt64Def", [](auto& a) { return std::to_string(StrToInt64Def(a[0], std::stoll(a[1]))); }},
      {"StrToBoth", [](auto& a) { return Maybe(TryStrToInt(a[0])) + "/" + Maybe(TryStrToInt64(a[0])); }},
      {"StrToFloat", [](auto& a) { return TryStrToFloat(a[0]) ? Num(StrToFloat(a[0])) : "none"; }},
      {"StrToFloatError", [](auto& a) { return Num(StrToFloat(a[0])); }},
      {"StrToFloatDef", [](auto& a) { return Num(StrToFloatDef(a[0], D(a[1]))); }},
  };
  testing::CheckAnswers("numbers.txt", functions);
  testing::CheckAnswers("fnd_numbers.txt", functions);
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
  // Plain decimals, the shape query results carry: up to 20 digits, the point anywhere or none.
  for (int i = 0; i < 50000; ++i) {
    std::string text = random() % 2 ? "-" : "";
    const int count = 1 + static_cast<int>(random() % 20);
    const int point = static_cast<int>(random() % (count + 2));
    for (int d = 0; d < count; ++d) {
      if (d == point) text += '.';
      text += static_cast<char>('0' + random() % 10);
    }
    if (point == count) text += '.';
    const double reference = std::strtod(text.c_str(), nullptr);
    ASSERT_EQ(StrToFloat(text), reference) << text;
    ASSERT_EQ(std::signbit(StrToFloat(text)), std::signbit(reference)) << text;
  }
}

// Texts of 1 to 18 characters, a plain decimal with one byte changed or none, read from the
// middle of a line of digits (a read past either end would change the value): every one
// accepted exactly when the float syntax takes it, and then as strtod reads it; as an integer
// exactly when it is digits after blanks and a sign, and then as strtoll reads it.
TEST(StrToFloat, PlainDecimalsOfEveryWidthWithAByteChanged) {
  std::setlocale(LC_NUMERIC, "C");
  const std::regex syntax(" *[+-]?([0-9]+[.]?[0-9]*|[.][0-9]+)([eE][+-]?[0-9]+)? *");
  const std::regex integerSyntax(" *[+-]?[0-9]+");
  const char kBytes[] = {'.', '-', '+', ' ', 'e', '/', ':', '\x80', '\xB0', '\0', '0', '9'};
  std::mt19937_64 random(11);
  int accepted = 0;
  for (int i = 0; i < 60000; ++i) {
    const int width = 1 + static_cast<int>(random() % 18);
    std::string text = random() % 3 == 0 ? "-" : "";
    const int point = static_cast<int>(random() % (width + 1));
    while (static_cast<int>(text.size()) < width) {
      text += static_cast<int>(text.size()) == point ? '.' : static_cast<char>('0' + random() % 10);
    }
    if (random() % 2) text[random() % text.size()] = kBytes[random() % sizeof kBytes];
    const std::string line = "99999999" + text + "99999999";
    const std::optional<double> value = TryStrToFloat(std::string_view(line).substr(8, text.size()));
    const std::optional<int64_t> integer = TryStrToInt64(std::string_view(line).substr(8, text.size()));
    errno = 0;
    const long long integerReference = std::strtoll(text.c_str(), nullptr, 10);
    const bool integral = text.find('\0') == std::string::npos && std::regex_match(text, integerSyntax) && errno == 0;
    ASSERT_EQ(integer.has_value(), integral) << text;
    if (integral) {
      ASSERT_EQ(*integer, integerReference) << text;
    }
    const double reference = std::strtod(text.c_str(), nullptr);
    const bool valid = text.find('\0') == std::string::npos && std::regex_match(text, syntax) && !std::isinf(reference);
    ASSERT_EQ(value.has_value(), valid) << text;
    if (!valid) continue;
    ++accepted;
    ASSERT_EQ(*value, reference) << text;
    ASSERT_EQ(std::signbit(*value), std::signbit(reference)) << text;
  }
  EXPECT_GT(accepted, 30000);
}

}  // namespace
}  // namespace ruzi
