// Text functions: the known answers of tests/data/text.txt and fnd_text.txt, and
// random texts against brute-force models (characters known by construction, byte searches).
#include <gtest/gtest.h>

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

std::string Joined(const std::vector<std::string>& list) {
  std::string text;
  for (size_t i = 0; i < list.size(); ++i) text += (i ? "|" : "") + list[i];
  return text;
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
         return Joined(list);
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

TEST(Gbk, RandomTextsBuiltFromKnownCharacters) {
  for (int byte = 0; byte < 256; ++byte) {
    EXPECT_EQ(IsGbkLeadByte(static_cast<char>(byte)), byte >= 0x81 && byte <= 0xFE) << byte;
  }
  std::mt19937 random(2);
  for (int round = 0; round < 2000; ++round) {
    std::string text;
    std::vector<GbkByteKind> kinds;
    const size_t characters = random() % 20;
    for (size_t c = 0; c < characters; ++c) {
      if (random() % 2) {
        text += static_cast<char>(random() % 0x80);
        kinds.push_back(GbkByteKind::Single);
      } else {
        text += static_cast<char>(0x81 + random() % 0x7E);
        text += static_cast<char>(0x40 + random() % 0xBF);
        kinds.push_back(GbkByteKind::Lead);
        kinds.push_back(GbkByteKind::Trail);
      }
    }
    for (size_t i = 0; i < text.size(); ++i) {
      ASSERT_EQ(GbkByteKindAt(text, i), kinds[i]) << round << ":" << i;
      const size_t safe = GbkSafeLength(text, i);
      ASSERT_EQ(safe, kinds[i] == GbkByteKind::Trail ? i - 1 : i);
    }
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
    ASSERT_EQ(TextLength(data, size), std::string_view(data, size).find('\0') == std::string_view::npos
                                          ? size
                                          : std::string_view(data, size).find('\0'));
    const std::string_view text(data, size);
    const std::string_view in_text = text.substr(random() % (size + 1), random() % 4);
    ASSERT_EQ(FindText(text, in_text), text.find(in_text));
    const std::string other = std::string(1 + random() % 3, bytes[random() % 8]);
    ASSERT_EQ(FindText(text, other), text.find(other));
  }
}

}  // namespace
}  // namespace ruzi
