#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "security/tuxedo_pass.h"

namespace ruzi {
namespace {

// The connection start reads the variables with the Win32 A call, in upper case; Wine's A call
// cuts double-byte values short, so the library reads through the W call.
TEST(TuxedoPassWin32, VisibleToGetEnvironmentVariable) {
  ASSERT_EQ(InitTuxedoPass("op", "Pw-123"), 0);
  char buffer[64] = {};
  EXPECT_EQ(std::string(buffer, GetEnvironmentVariableA("TUXEDO_PASS", buffer, sizeof buffer)), "Pw-123");
  EXPECT_EQ(std::string(buffer, GetEnvironmentVariableA("TUXEDO_NAME", buffer, sizeof buffer)), "op");
  ASSERT_EQ(InitTuxedoPass("", "\xC3\xDC\xC2\xEB-pw"), 0);
  EXPECT_EQ(GetTuxedoPass(), "\xC3\xDC\xC2\xEB-pw");
  SetEnvironmentVariableA("tuxedo_pass", nullptr);
  SetEnvironmentVariableA("tuxedo_name", nullptr);
  EXPECT_EQ(GetTuxedoPass(), "");
}

}  // namespace
}  // namespace ruzi
