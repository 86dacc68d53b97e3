#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "security/tuxedo_pass.h"

namespace ruzi {
namespace {

std::string ReadWithAnsiCall(const char* name) {
  char buffer[64] = {};
  const DWORD length = GetEnvironmentVariableA(name, buffer, sizeof buffer);
  return std::string(buffer, length);
}

// The connection start reads the variable with the Win32 call, in upper case.
TEST(TuxedoPassWin32, VisibleToGetEnvironmentVariable) {
  ASSERT_EQ(InitTuxedoPass("op", "Pw-123"), 0);
  EXPECT_EQ(ReadWithAnsiCall("TUXEDO_PASS"), "Pw-123");
  EXPECT_EQ(ReadWithAnsiCall("TUXEDO_NAME"), "op");
  // Wine's A call cuts double-byte values short; the library reads through the W call.
  ASSERT_EQ(InitTuxedoPass("", "\xC3\xDC\xC2\xEB-pw"), 0);
  EXPECT_EQ(GetTuxedoPass(), "\xC3\xDC\xC2\xEB-pw");
  SetEnvironmentVariableA("tuxedo_pass", nullptr);
  SetEnvironmentVariableA("tuxedo_name", nullptr);
  EXPECT_EQ(GetTuxedoPass(), "");
}

}  // namespace
}  // namespace ruzi
