// Text functions: the known answers of tests/data/text.txt and fnd_text.txt, and
// random texts against brute-force models (characters known by construction, byte searches).
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "foundation/byte_search.h"
#include "foundation/gbk.h"
#include "foundation/hex_text.h"
#include "foundation/replace_text.h"
#include "foundation/text_tokens.h"
#include "foundation/trim.h"
#include "vector_file.h"

namespace ruzi {
namespace {

using testing::Num;

std::string Joined(const std::vector<std::string>& list, const std::string& separator = "") {
  std::string text;
  for (size_t i = 0; i < list.size(); ++i) text += (i ? separator : "") + list[i];
  return text;
}

// Random text as a list of characters: ASCII and double-byte GBK, the double ones with trail
// bytes that look like ASCII ('a', '\\') or like lead bytes, and both ends of the lead range.
std::vector<std::string> RandomCharacters(std::mt19937& random, size_t count) {
  static const std::vector<std::string> singles{"a", "b", "@", "A", "\x7F"};
  static const std::vector<std::string> doubles{"\x81\x40", "\xB0\x61", "\xC9\xEA", "\xEA\xBB",
                                                "\x81\x81", "\xD6\x5C", "\xFE\xFE"};
  std::vector<std::string> characters(count);
  for (std::string& c : characters) c = random() % 2 ? singles[random() % singles.size()] : doubles[random() % doubles.size()];
  return characters;
}

// Literals must reach the binary as GBK bytes in every build, or every message is wrong.
TEST(GbkLiterals, ChineseLiteralIsGbkBytes) {
  EXPECT_EQ(std::string("服务名不能为空"), "\xB7\xFE\xCE\xF1\xC3\xFB\xB2\xBB\xC4\xDC\xCE\xAA\xBF\xD5");
}

TEST(Text, KnownAnswers) {
  const std::map<std::string, testing::Answer> functions{
      {"GetToken", [](auto& a) { std::string rest = a[0]; std::string token = GetToken(rest, a[1]); return token + "|" + rest; }},
      {"GetString", [](auto& a) { return GetString(a[0], a[1], a[2]); }},
      {"GetStringLeft", [](auto& a) { return GetStringLeft(a[0], a[1]); }},
      {"GetStringRight", [](auto& a) { return GetStringRight(a[0], a[1]); }},
      {"HowMany", [](auto& a) { return std::to_string(HowMany(a[0], a[1])); }},
      {"Split", [](auto& a) {
         std::vector<std::string> list{"(untouched)"};
         SplitStrBySubStr(a[0], a[1], list);
         return Joined(list, "|");
       }},
      {"ReplaceStr", [](auto& a) { return ReplaceStr(a[0], a[1], a[2]); }},
      {"ReplaceTextIgnoreCase", [](auto& a) { return ReplaceTextIgnoreCase(a[0], a[1], a[2]); }},
      {"ContainsTextIgnoreCase", [](auto& a) { return Num(ContainsTextIgnoreCase(a[0], a[1])); }},
      {"StrToHex", [](auto& a) { return StrToHex(a[0]); }},
      {"HexToStr", [](auto& a) { return HexToStr(a[0]); }},
      {"Trim", [](auto& a) { return std::string(Trim(a[0])); }},
      {"TrimLeft", [](auto& a) { return std::string(TrimLeft(a[0])); }},
      {"TrimRight", [](auto& a) { return std::string(TrimRight(a[0])); }},
      {"GbkKinds", [](auto& a) {
         std::string kinds;
         for (size_t i = 0; i < a[0].size(); ++i) kinds += "SLT"[static_cast<int>(GbkByteKindAt(a[0], i))];
         return kinds;
       }},
      {"GbkSafeLength", [](auto& a) { return std::to_string(GbkSafeLength(a[0], std::stoul(a[1]))); }},
  };
  testing::CheckAnswers("text.txt", functions);
  testing::CheckAnswers("fnd_text.txt", functions);
}

// Random texts as lists of characters (known by construction): the kind of every byte, the
// safe cut before it, and ReplaceStr against a replacement made on the list.
TEST(Gbk, RandomTextsBuiltFromKnownCharacters) {
  for (int byte = 0; byte < 256; ++byte) {
    EXPECT_EQ(IsGbkLeadByte(static_cast<char>(byte)), byte >= 0x81 && byte <= 0xFE) << byte;
  }
  std::mt19937 random(2);
  for (int round = 0; round < 5000; ++round) {
    const std::vector<std::string> characters = RandomCharacters(random, random() % 20);
    const std::vector<std::string> old_text = RandomCharacters(random, 1 + random() % 2);
    const std::string text = Joined(characters);
    std::vector<GbkByteKind> kinds;
    for (const std::string& c : characters) {
      kinds.push_back(c.size() == 1 ? GbkByteKind::Single : GbkByteKind::Lead);
      if (c.size() == 2) kinds.push_back(GbkByteKind::Trail);
    }
    for (size_t i = 0; i < text.size(); ++i) {
      ASSERT_EQ(GbkByteKindAt(text, i), kinds[i]) << round << ":" << i;
      ASSERT_EQ(GbkSafeLength(text, i), kinds[i] == GbkByteKind::Trail ? i - 1 : i);
    }
    std::string expected;
    for (size_t i = 0; i < characters.size();) {
      const bool match = i + old_text.size() <= characters.size() &&
                         std::equal(old_text.begin(), old_text.end(), characters.begin() + static_cast<std::ptrdiff_t>(i));
      expected += match ? "<>" : characters[i];
      i += match ? old_text.size() : 1;
    }
    ASSERT_EQ(ReplaceStr(text, Joined(old_text), "<>"), expected) << round;
  }
}

// Every position and alignment, with high bytes (0x80, 0xFF) that a careless zero test takes
// for matches, against a byte-by-byte search and the standard library's.
TEST(ByteSearch, FindsTheFirstMatchAtEveryPositionAndAlignment) {
  std::mt19937 random(2);
  const char bytes[] = {'a', '<', '\x80', '\xFF', '\x01', '\x7F', '\0', '/'};
  for (int i = 0; i < 20000; ++i) {
    std::vector<char> buffer(72);  // several sixteen-byte steps and every tail length
    for (char& byte : buffer) byte = bytes[random() % (i % 2 == 0 ? 6 : 8)];
    const size_t offset = random() % 8;
    const size_t size = random() % (buffer.size() - offset + 1);
    const char* data = buffer.data() + offset;
    const char sought = bytes[random() % 8];
    size_t expected = 0;
    while (expected < size && data[expected] != sought) ++expected;
    ASSERT_EQ(FindByte(data, size, sought), expected) << "offset " << offset << " size " << size;
    const std::string_view text(data, size);
    ASSERT_EQ(TextLength(data, size), std::min(size, text.find('\0')));
    const std::string_view in_text = text.substr(random() % (size + 1), random() % 4);
    ASSERT_EQ(FindText(text, in_text), text.find(in_text));
    const std::string other = std::string(1 + random() % 3, bytes[random() % 8]);
    ASSERT_EQ(FindText(text, other), text.find(other));
  }
}

}  // namespace
}  // namespace ruzi
