#include <gtest/gtest.h>

#include "platform/environment.h"

namespace ruzi::platform {
namespace {

TEST(Environment, NamesAreCaseInsensitiveAndKeepFirstSpelling) {
  ASSERT_TRUE(SetEnvironment("Ruzi_Test_Var", "one"));
  EXPECT_EQ(GetEnvironment("RUZI_TEST_VAR"), "one");
  ASSERT_TRUE(SetEnvironment("ruzi_test_var", "two"));
  EXPECT_EQ(GetEnvironment("Ruzi_Test_Var"), "two");
  int seen = 0;
  for (const auto& [name, value] : EnvironmentBlock()) {
    if (name == "Ruzi_Test_Var" || name == "ruzi_test_var" || name == "RUZI_TEST_VAR") {
      ++seen;
      EXPECT_EQ(value, "two");
    }
  }
  EXPECT_EQ(seen, 1);
  ASSERT_TRUE(UnsetEnvironment("RUZI_TEST_VAR"));
  EXPECT_FALSE(FindEnvironment("ruzi_test_var").has_value());
}

TEST(Environment, EmptyValueDiffersFromUnset) {
  ASSERT_TRUE(SetEnvironment("RUZI_EMPTY", ""));
  auto value = FindEnvironment("RUZI_EMPTY");
  // Windows keeps an empty variable; readers get "" either way.
  EXPECT_EQ(GetEnvironment("RUZI_EMPTY"), "");
  if (value) {
    EXPECT_EQ(*value, "");
  }
  UnsetEnvironment("RUZI_EMPTY");
  EXPECT_EQ(GetEnvironment("RUZI_EMPTY"), "");
}

TEST(Environment, GbkValuesRoundTripByteForByte) {
  const std::string value = "交易日\xB1\xA3\x01" "end";
  ASSERT_TRUE(SetEnvironment("RUZI_GBK", value));
  EXPECT_EQ(GetEnvironment("RUZI_GBK"), value);
  UnsetEnvironment("RUZI_GBK");
}

}  // namespace
}  // namespace ruzi::platform
