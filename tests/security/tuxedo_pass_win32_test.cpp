#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "security/tuxedo_pass.h"

namespace ruzi {
namespace {

// The connection start reads the variables with the Win32 A call, in upper case; what the
// variables hold is checked in security_environment_test.
TEST(TuxedoPassWin32, VisibleToGetEnvironmentVariable) {
  ASSERT_EQ(InitTuxedoPass("op", "Pw-123"), 0);
  char buffer[64] = {};
  EXPECT_EQ(std::string(buffer, GetEnvironmentVariableA("TUXEDO_PASS", buffer, sizeof buffer)), "Pw-123");
  EXPECT_EQ(std::string(buffer, GetEnvironmentVariableA("TUXEDO_NAME", buffer, sizeof buffer)), "op");
}

}  // namespace
}  // namespace ruzi
