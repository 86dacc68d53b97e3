// Format: each directive's documented text, argument indexes, the errors, and random integers
// and fixed-point floats against the C library's printf.
#include "foundation/format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace ruzi {
namespace {

TEST(Format, IntegerDirectives) {
  EXPECT_EQ(Format("%d", {42}), "42");
  EXPECT_EQ(Format("%5d|%-5d|", {42, 42}), "   42|42   |");
  // The section packet header: blanks on the first write, zeros on the rewrite.
  EXPECT_EQ(Format("%5d%10d", {3, 12}), "    3        12");
  EXPECT_EQ(Format("%05d%010d", {3, 12}), "000030000000012");
  EXPECT_EQ(Format("%05d", {-42}), "-0042");
  EXPECT_EQ(Format("%.5d", {-42}), "-00042");
  EXPECT_EQ(Format("%3d", {123456}), "123456");  // a width never cuts
  EXPECT_EQ(Format("%d", {INT64_MIN}), "-9223372036854775808");
  EXPECT_EQ(Format("%D", {7}), "7");
  EXPECT_EQ(Format("%u", {-1}), "4294967295");
  EXPECT_EQ(Format("%u", {-1LL}), "18446744073709551615");
  EXPECT_EQ(Format("%d", {~0ULL}), "18446744073709551615");
  EXPECT_EQ(Format("%x", {255}), "FF");
  EXPECT_EQ(Format("%.4x", {255}), "00FF");
  EXPECT_EQ(Format("%x", {-1}), "FFFFFFFF");
  EXPECT_EQ(Format("%x", {-1LL}), "FFFFFFFFFFFFFFFF");
}

TEST(Format, FloatDirectives) {
  EXPECT_EQ(Format("%f", {1.0}), "1.00");
  EXPECT_EQ(Format("%.*f", {3, 3.14159}), "3.142");
  EXPECT_EQ(Format("%.0f", {2.5}), "3");  // half away from zero, not to even
  EXPECT_EQ(Format("%.2f", {0.125}), "0.13");
  EXPECT_EQ(Format("%.2f", {-0.125}), "-0.13");
  EXPECT_EQ(Format("%.2f", {1.005}), "1.00");  // stored as 1.00499999...
  EXPECT_EQ(Format("%.2f", {-0.001}), "0.00");
  EXPECT_EQ(Format("%8.2f|", {-3.14159}), "   -3.14|");
  EXPECT_EQ(Format("%08.2f", {-3.14159}), "-0003.14");
  EXPECT_EQ(Format("%e", {1.5}), "1.50000000000000E+000");
  EXPECT_EQ(Format("%.3e", {-12345.0}), "-1.23E+004");
  EXPECT_EQ(Format("%.3e", {0.0}), "0.00E+000");
  EXPECT_EQ(Format("%g", {0.5}), "0.5");
  EXPECT_EQ(Format("%g", {1234.5}), "1234.5");
  EXPECT_EQ(Format("%g", {1e20}), "1E020");
  EXPECT_EQ(Format("%g", {0.00001}), "1E-005");
  EXPECT_EQ(Format("%g", {0.0001}), "0.0001");
  EXPECT_EQ(Format("%.3g", {1234.0}), "1.23E003");
  EXPECT_EQ(Format("%n", {1234567.891}), "1,234,567.89");
  EXPECT_EQ(Format("%.0n", {-999.5}), "-1,000");
  EXPECT_EQ(Format("%m", {1234.5}), "￥1,234.50");
  EXPECT_EQ(Format("%m", {-5.0}), "￥-5.00");
  EXPECT_EQ(Format("%f", {1e30}), "1.00000000000000E+030");
  // No more than 18 significant digits are ever shown.
  EXPECT_EQ(Format("%.7f", {249759915798.77112}), "249759915798.7711180");
  EXPECT_EQ(Format("%f", {INFINITY}), "INF");
  EXPECT_EQ(Format("%.2f", {NAN}), "NAN");
}

TEST(Format, StringPointerAndLiterals) {
  EXPECT_EQ(Format("%s", {"服务"}), "服务");
  EXPECT_EQ(Format("[%6s][%-6s]", {"ab", "ab"}), "[    ab][ab    ]");
  EXPECT_EQ(Format("%.2s", {"abcdef"}), "ab");
  EXPECT_EQ(Format("%s", {std::string("x")}), "x");
  EXPECT_EQ(Format("%s%s", {'a', 'b'}), "ab");
  EXPECT_EQ(Format("100%%", {}), "100%");
  EXPECT_EQ(Format("no directives", {}), "no directives");
  const std::string pointer = Format("%p", {reinterpret_cast<const void*>(uintptr_t{0xBEEF})});
  EXPECT_EQ(pointer, std::string(sizeof(void*) * 2 - 4, '0') + "BEEF");
  EXPECT_EQ(Format("%*d|%-*d|", {4, 7, 3, 7}), "   7|7  |");
  EXPECT_EQ(Format("%*d|", {-4, 7}), "7   |");
}

TEST(Format, IndexesContinueFromTheNamedArgument) {
  EXPECT_EQ(Format("%0:s-%1:s-%0:s", {"a", "b"}), "a-b-a");
  EXPECT_EQ(Format("%1:s %s %0:s %s", {"a", "b", "c"}), "b c a b");
  EXPECT_EQ(Format("%d %d %0:d %d", {1, 2}), "1 2 1 2");
  EXPECT_EQ(Format("%0:-4d|", {5}), "5   |");
  EXPECT_EQ(Format("%*:s", {1, "x", "y"}), "x");  // "*" names the index, then the list goes on
}

TEST(Format, ErrorsNameTheFormat) {
  auto message = [](std::string_view format, std::initializer_list<FormatArg> args) -> std::string {
    try {
      Format(format, args);
    } catch (const FormatError& error) {
      return error.what();
    }
    return "no error";
  };
  EXPECT_EQ(message("%d", {"x"}), "Format '%d' invalid or incompatible with argument");
  EXPECT_EQ(message("%s", {1}), "Format '%s' invalid or incompatible with argument");
  EXPECT_EQ(message("%f", {1}), "Format '%f' invalid or incompatible with argument");
  EXPECT_EQ(message("%p", {1}), "Format '%p' invalid or incompatible with argument");
  EXPECT_EQ(message("%q", {1}), "Format '%q' invalid or incompatible with argument");
  EXPECT_EQ(message("abc%", {}), "Format 'abc%' invalid or incompatible with argument");
  EXPECT_EQ(message("%5", {1}), "Format '%5' invalid or incompatible with argument");
  EXPECT_EQ(message("%*d", {"x", 1}), "Format '%*d' invalid or incompatible with argument");
  EXPECT_EQ(message("%s %s", {"a"}), "No argument for format '%s %s'");
  EXPECT_EQ(message("%3:s", {"a"}), "No argument for format '%3:s'");
  EXPECT_EQ(message("%999999999d", {1}), "Format '%999999999d' invalid or incompatible with argument");
  // The callers catch conversion errors in general.
  EXPECT_THROW(Format("%d", {1.5}), ConvertError);
  EXPECT_THROW(Format("%d", {1.5}), Error);
}

TEST(Format, FormatListTakesARunTimeArray) {
  std::vector<FormatArg> args{FormatArg(1), FormatArg("two"), FormatArg(3.0)};
  EXPECT_EQ(FormatList("%d %s %.1f", args), "1 two 3.0");
  // Copies keep a character argument's own text.
  std::vector<FormatArg> copies;
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
  for (int i = 0; i < 20000; ++i) {
    const long long value = static_cast<long long>(random()) >> small(random) * 2;
    const int width = small(random);
    const int precision = small(random);
    const char* flag = (i % 3 == 0) ? "-" : "";
    const std::string ours = std::string("%") + flag + "*.*";
    const std::string theirs = std::string("%") + flag + "*.*";
    EXPECT_EQ(Format(ours + "d", {width, precision, value}), Printf((theirs + "lld").c_str(), width, precision, value));
    EXPECT_EQ(Format(ours + "x", {width, precision, value}), Printf((theirs + "llX").c_str(), width, precision, value));
    EXPECT_EQ(Format(ours + "u", {width, precision, value}), Printf((theirs + "llu").c_str(), width, precision, value));
    // Zero padding, which a precision overrides.
    EXPECT_EQ(Format("%0*d", {width, value}), Printf("%0*lld", width, value, 0));
    EXPECT_EQ(Format("%0*.*x", {width, precision, value}), Printf("%0*.*llX", width, precision, value));
  }
}

// Digits after the cut in the value's 18-significant-digit form, as printf sees it.
bool IsEighteenDigitTie(double value, int decimals) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.17e", std::fabs(value));
  std::string digits;
  for (const char* p = buffer; *p != 'e'; ++p) {
    if (*p != '.') digits += *p;
  }
  const int exponent = std::atoi(std::strchr(buffer, 'e') + 1) + 1;
  const int cut = exponent + decimals;
  if (cut < 0 || cut >= static_cast<int>(digits.size())) return false;
  return digits[cut] == '5' && digits.find_first_not_of('0', cut + 1) == std::string::npos;
}

// "-1.29" -> "-1.30", "9.9" -> "10.0": one more in the last digit, away from zero.
std::string UpOneInLastPlace(std::string text) {
  size_t i = text.size();
  while (i > 0) {
    char& c = text[--i];
    if (c == '.' || c == '-') continue;
    if (c != '9') {
      ++c;
      return text;
    }
    c = '0';
  }
  text.insert(text[0] == '-' ? 1 : 0, "1");
  return text;
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
    // printf rounds ties to even on the exact value; we round half away on 18 digits.
    ASSERT_TRUE(IsEighteenDigitTie(value, places)) << value << " ours " << ours << " printf " << theirs;
    EXPECT_EQ(ours, UpOneInLastPlace(theirs)) << value;
    ++ties;
  }
  EXPECT_GT(ties, 100);  // the tie rule was really exercised
}

}  // namespace
}  // namespace ruzi
