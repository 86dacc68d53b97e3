// Literals must reach the binary as GBK bytes in every build, or every message is wrong.
#include <gtest/gtest.h>

#include <string>

TEST(GbkLiterals, ChineseLiteralIsGbkBytes) {
  EXPECT_EQ(std::string("服务名不能为空"), "\xB7\xFE\xCE\xF1\xC3\xFB\xB2\xBB\xC4\xDC\xCE\xAA\xBF\xD5");
}
