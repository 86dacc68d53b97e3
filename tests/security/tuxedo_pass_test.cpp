#include <gtest/gtest.h>

#include "platform/environment.h"
#include "security/tuxedo_pass.h"

namespace ruzi {
namespace {

TEST(TuxedoPass, SetsOnlyTheNonEmptyArguments) {
  platform::UnsetEnvironment("tuxedo_name");
  platform::UnsetEnvironment("tuxedo_pass");
  EXPECT_EQ(GetTuxedoPass(), "");
  EXPECT_EQ(InitTuxedoPass("operator", "s3cret"), 0);
  EXPECT_EQ(platform::GetEnvironment("TUXEDO_NAME"), "operator");
  EXPECT_EQ(platform::GetEnvironment("TUXEDO_PASS"), "s3cret");
  EXPECT_EQ(GetTuxedoPass(), "s3cret");
  EXPECT_EQ(InitTuxedoPass("", "other"), 0);
  EXPECT_EQ(platform::GetEnvironment("tuxedo_name"), "operator");
  EXPECT_EQ(GetTuxedoPass(), "other");
  EXPECT_EQ(InitTuxedoPass("next", ""), 0);
  EXPECT_EQ(platform::GetEnvironment("tuxedo_name"), "next");
  EXPECT_EQ(GetTuxedoPass(), "other");
  platform::UnsetEnvironment("tuxedo_name");
  platform::UnsetEnvironment("tuxedo_pass");
}

}  // namespace
}  // namespace ruzi
