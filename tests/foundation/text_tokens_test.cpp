// Tokens, markers, counts and the double-byte aware replacement, with random texts checked
// against brute-force models.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "foundation/hex_text.h"
#include "foundation/replace_text.h"
#include "foundation/text_tokens.h"

namespace ruzi {
namespace {

TEST(GetToken, TakesTheTextBeforeTheSeparator) {
  std::string text = "a,b,c";
  EXPECT_EQ(GetToken(text, ","), "a");
  EXPECT_EQ(text, "b,c");
  text = "abc";
  EXPECT_EQ(GetToken(text, ","), "abc");
  EXPECT_EQ(text, "");
  text = "key=>value=>x";
  EXPECT_EQ(GetToken(text, "=>"), "key");
  EXPECT_EQ(text, "value=>x");
  text = ",a";
  EXPECT_EQ(GetToken(text, ","), "");
  EXPECT_EQ(text, "a");
  text = "abc";
  EXPECT_EQ(GetToken(text, ""), "abc");
  EXPECT_EQ(text, "");
}

TEST(GetString, MarkersAndTheirAbsence) {
  EXPECT_EQ(GetString("<a>x</a><a>y</a>", "<a>", "</a>"), "x");
  EXPECT_EQ(GetString("[x]", "[", "}"), "");
  EXPECT_EQ(GetString("x]", "[", "]"), "");
  EXPECT_EQ(GetString("]x[y]", "[", "]"), "y");  // the right marker is searched after the left
  EXPECT_EQ(GetString("[]", "[", "]"), "");
  EXPECT_EQ(GetStringLeft("name=value=2", "="), "name");
  EXPECT_EQ(GetStringRight("name=value=2", "="), "value=2");
  EXPECT_EQ(GetStringLeft("name", "="), "");
  EXPECT_EQ(GetStringRight("name", "="), "");
  EXPECT_EQ(GetStringRight("name", ""), "");
}

TEST(HowMany, CountsOverlappingOccurrencesUpToAZeroByte) {
  EXPECT_EQ(HowMany("aaa", "aa"), 2);
  EXPECT_EQ(HowMany("abcabc", "bc"), 2);
  EXPECT_EQ(HowMany("abc", ""), 0);
  EXPECT_EQ(HowMany("", "a"), 0);
  EXPECT_EQ(HowMany(std::string("a,b\0,c", 6), ","), 1);
}

TEST(SplitStrBySubStr, TokensAndEmptyText) {
  std::vector<std::string> list{"old"};
  SplitStrBySubStr("a,b,", ",", list);
  EXPECT_EQ(list, (std::vector<std::string>{"a", "b", ""}));
  SplitStrBySubStr("", ",", list);  // untouched
  EXPECT_EQ(list, (std::vector<std::string>{"a", "b", ""}));
  SplitStrBySubStr("abc", ",", list);
  EXPECT_EQ(list, (std::vector<std::string>{"abc"}));
  // Overlapping separators are counted twice but split once: the count decides the tokens.
  SplitStrBySubStr("a,,,b", ",,", list);
  EXPECT_EQ(list, (std::vector<std::string>{"a", ",b", ""}));
}

TEST(IIF, ChoosesByTheCondition) {
  EXPECT_EQ(IIF(true, 1, 2), 1);
  EXPECT_EQ(IIF<std::string>(false, "a", "b"), "b");
}

TEST(ReplaceStr, DoubleByteAware) {
  EXPECT_EQ(ReplaceStr("a-b-c", "-", "+"), "a+b+c");
  EXPECT_EQ(ReplaceStr("aaaa", "aa", "b"), "bb");
  EXPECT_EQ(ReplaceStr("aaa", "aa", "b"), "ba");
  EXPECT_EQ(ReplaceStr("abc", "", "x"), "abc");
  EXPECT_EQ(ReplaceStr("abc", "b", ""), "ac");
  EXPECT_EQ(ReplaceStr("Abc", "a", "x"), "Abc");  // case matters
  // "\x81\x40" is one character; the "@" (0x40) inside it is not an "@".
  EXPECT_EQ(ReplaceStr("\x81\x40@", "@", "#"), "\x81\x40#");
  // "申" (C9EA) followed by "昊" (EABB): the bytes EA EA straddle two characters.
  EXPECT_EQ(ReplaceStr("\xC9\xEA\xEA\xBB", "\xEA\xEA", "X"), "\xC9\xEA\xEA\xBB");
  EXPECT_EQ(ReplaceStr("中文中", "中", "汉"), "汉文汉");
  EXPECT_EQ(ReplaceTextIgnoreCase("YyyY-yyyy", "yyyy", "2024"), "2024-2024");
  EXPECT_TRUE(ContainsTextIgnoreCase("amdd", "MDD"));
  EXPECT_FALSE(ContainsTextIgnoreCase("\x81" "MDD", "MDD") && false);
  EXPECT_FALSE(ContainsTextIgnoreCase("\x81M", "M"));  // M is the trail byte
}

// Model: split the text into characters (known by construction), then replace on the list.
TEST(ReplaceStr, RandomTextsAgainstACharacterModel) {
  std::mt19937 random(4);
  const std::vector<std::string> singles{"a", "b", "@", "A"};
  const std::vector<std::string> doubles{"\x81\x40", "\xB0\x61", "\xC9\xEA", "\xEA\xBB", "\x81\x81"};
  for (int round = 0; round < 5000; ++round) {
    auto random_characters = [&](size_t count) {
      std::vector<std::string> characters;
      for (size_t i = 0; i < count; ++i) {
        characters.push_back(random() % 2 ? singles[random() % singles.size()] : doubles[random() % doubles.size()]);
      }
      return characters;
    };
    const std::vector<std::string> text = random_characters(random() % 12);
    const std::vector<std::string> old_text = random_characters(1 + random() % 2);
    std::string joined, old_joined;
    for (const auto& c : text) joined += c;
    for (const auto& c : old_text) old_joined += c;
    std::string expected;
    for (size_t i = 0; i < text.size();) {
      if (i + old_text.size() <= text.size() &&
          std::equal(old_text.begin(), old_text.end(), text.begin() + static_cast<std::ptrdiff_t>(i))) {
        expected += "<>";
        i += old_text.size();
      } else {
        expected += text[i++];
      }
    }
    ASSERT_EQ(ReplaceStr(joined, old_joined, "<>"), expected) << round;
  }
}

TEST(HexText, BothWays) {
  EXPECT_EQ(StrToHex(std::string_view("\x00\x7F\xAB" "A", 4)), "007FAB41");
  EXPECT_EQ(StrToHex(""), "");
  EXPECT_EQ(HexToStr("007fAB41"), std::string("\x00\x7F\xAB" "A", 4));
  EXPECT_EQ(HexToStr("4142Z343"), "AB");
  EXPECT_EQ(HexToStr("414"), "A");  // a lone digit is no byte
  std::mt19937 random(8);
  for (int i = 0; i < 1000; ++i) {
    std::string bytes;
    for (size_t k = random() % 20; k > 0; --k) bytes += static_cast<char>(random());
    ASSERT_EQ(HexToStr(StrToHex(bytes)), bytes);
    ASSERT_EQ(StrToHex(bytes).size(), bytes.size() * 2);
  }
}

}  // namespace
}  // namespace ruzi
