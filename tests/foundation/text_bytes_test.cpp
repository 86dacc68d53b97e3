// Trim and the GBK byte classification, against texts whose make-up is known by construction.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "foundation/gbk.h"
#include "foundation/byte_search.h"
#include "foundation/trim.h"

namespace ruzi {
namespace {

TEST(Trim, BlanksAndControlCharactersGoBothEnds) {
  EXPECT_EQ(Trim("  a b \t\r\n"), "a b");
  EXPECT_EQ(Trim(std::string("\0x\0", 3)), "x");
  EXPECT_EQ(Trim(" \x01\x1F "), "");
  EXPECT_EQ(Trim(""), "");
  EXPECT_EQ(Trim(" 中文 "), "中文");
  EXPECT_EQ(TrimLeft("  a "), "a ");
  EXPECT_EQ(TrimRight("  a "), "  a");
  // Bytes above 0x7F, the second half of GBK characters included, are never blanks.
  EXPECT_EQ(Trim("\xA1\xA0"), "\xA1\xA0");
  EXPECT_EQ(Trim("\x7F"), "\x7F");
}

TEST(Trim, RandomTextsAgainstAByteModel) {
  std::mt19937 random(1);
  const std::string alphabet = std::string(" \t\r\n\x01\x1F\x20!ax\x7F\x80\xA1\xFE\xFF", 15) + '\0';
  for (int i = 0; i < 20000; ++i) {
    std::string text;
    const size_t length = random() % 12;
    for (size_t k = 0; k < length; ++k) text += alphabet[random() % alphabet.size()];
    size_t begin = 0, end = text.size();
    while (begin < end && static_cast<unsigned char>(text[begin]) <= 32) ++begin;
    while (end > begin && static_cast<unsigned char>(text[end - 1]) <= 32) --end;
    ASSERT_EQ(Trim(text), text.substr(begin, end - begin));
    ASSERT_EQ(TrimLeft(text), text.substr(begin));
    size_t right = text.size();
    while (right > 0 && static_cast<unsigned char>(text[right - 1]) <= 32) --right;
    ASSERT_EQ(TrimRight(text), text.substr(0, right));
  }
}

TEST(Gbk, LeadByteRange) {
  for (int byte = 0; byte < 256; ++byte) {
    EXPECT_EQ(IsGbkLeadByte(static_cast<char>(byte)), byte >= 0x81 && byte <= 0xFE) << byte;
  }
}

TEST(Gbk, KindsOfKnownText) {
  const std::string text = "a中b";  // a, two bytes, b
  ASSERT_EQ(text.size(), 4u);
  EXPECT_EQ(GbkByteKindAt(text, 0), GbkByteKind::Single);
  EXPECT_EQ(GbkByteKindAt(text, 1), GbkByteKind::Lead);
  EXPECT_EQ(GbkByteKindAt(text, 2), GbkByteKind::Trail);
  EXPECT_EQ(GbkByteKindAt(text, 3), GbkByteKind::Single);
  EXPECT_EQ(GbkSafeLength(text, 2), 1u);
  EXPECT_EQ(GbkSafeLength(text, 3), 3u);
  EXPECT_EQ(GbkSafeLength(text, 99), 4u);
  // A trail byte can look like ASCII ("@" is 0x40) and like a lead byte (0x81 to 0xFE).
  const std::string tricky = "\x81\x40\xB0\xB0\xB0";
  EXPECT_EQ(GbkByteKindAt(tricky, 1), GbkByteKind::Trail);
  EXPECT_EQ(GbkByteKindAt(tricky, 3), GbkByteKind::Trail);
  EXPECT_EQ(GbkByteKindAt(tricky, 4), GbkByteKind::Lead);  // its pair is missing
}

TEST(Gbk, RandomTextsBuiltFromKnownCharacters) {
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
