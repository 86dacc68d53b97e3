#include <windows.h>

#include <gtest/gtest.h>

#include "security/tuxedo_pass.h"

namespace ruzi {
namespace {

// The connection start reads the variable with the Win32 call, in upper case.
TEST(TuxedoPassWin32, VisibleToGetEnvironmentVariable) {
  ASSERT_EQ(InitTuxedoPass("op", "\xC3\xDC\xC2\xEB-pw"), 0);
  char buffer[64] = {};
  const DWORD length = GetEnvironmentVariableA("TUXEDO_PASS", buffer, sizeof buffer);
  EXPECT_EQ(std::string(buffer, length), "\xC3\xDC\xC2\xEB-pw");
  SetEnvironmentVariableA("tuxedo_pass", nullptr);
  SetEnvironmentVariableA("tuxedo_name", nullptr);
}

}  // namespace
}  // namespace ruzi
