#include <gtest/gtest.h>

#include "platform/text_encoding.h"

namespace ruzi::platform {
namespace {

TEST(TextEncoding, GbkAndUtf8RoundTrip) {
  const std::string gbk = "基金组合 ABC 123";  // GBK in the binary
  const std::string utf8 = "\xE5\x9F\xBA\xE9\x87\x91\xE7\xBB\x84\xE5\x90\x88 ABC 123";
  EXPECT_EQ(GbkToUtf8(gbk), utf8);
  EXPECT_EQ(Utf8ToGbk(utf8), gbk);
  EXPECT_EQ(GbkToUtf8(""), "");
}

TEST(TextEncoding, BrokenInputDoesNotSwallowTheRest) {
  // A lone lead byte at the end: the text before it survives.
  std::string converted = GbkToUtf8(std::string("ab\xD6", 3));
  EXPECT_EQ(converted.substr(0, 2), "ab");
  EXPECT_GE(converted.size(), 3u);
}

}  // namespace
}  // namespace ruzi::platform
