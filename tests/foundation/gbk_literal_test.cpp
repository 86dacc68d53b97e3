// Literals must reach the binary as GBK bytes in every build, or every message is wrong.
#include <gtest/gtest.h>

#include <string>

TEST(GbkLiterals, ChineseLiteralIsGbkBytes) {
  const std::string text = "服务名不能为空";
  const unsigned char expected[] = {0xB7, 0xFE, 0xCE, 0xF1, 0xC3, 0xFB, 0xB2, 0xBB,
                                    0xC4, 0xDC, 0xCE, 0xAA, 0xBF, 0xD5};
  ASSERT_EQ(text.size(), sizeof expected);
  for (size_t i = 0; i < text.size(); ++i) {
    EXPECT_EQ(static_cast<unsigned char>(text[i]), expected[i]) << "byte " << i;
  }
}
