#include <gtest/gtest.h>

#include "platform/environment.h"

namespace ruzi::platform {
namespace {

// Names match whatever their case and keep their first spelling; values come back byte for
// byte (GBK among them); an empty value reads as "" like an unset one.
TEST(Environment, NamesIgnoreCaseAndValuesComeBackByteForByte) {
  ASSERT_TRUE(SetEnvironment("Ruzi_Test_Var", "one"));
  EXPECT_EQ(GetEnvironment("RUZI_TEST_VAR"), "one");
  const std::string gbk = "交易日\xB1\xA3\x01" "end";
  ASSERT_TRUE(SetEnvironment("ruzi_test_var", gbk));
  EXPECT_EQ(GetEnvironment("Ruzi_Test_Var"), gbk);
  int seen = 0;
  for (const auto& [name, value] : EnvironmentBlock()) {
    if (name == "Ruzi_Test_Var" || name == "ruzi_test_var" || name == "RUZI_TEST_VAR") {
      ++seen;
      EXPECT_EQ(value, gbk);
    }
  }
  EXPECT_EQ(seen, 1);
  ASSERT_TRUE(UnsetEnvironment("RUZI_TEST_VAR"));
  EXPECT_FALSE(FindEnvironment("ruzi_test_var").has_value());
  ASSERT_TRUE(SetEnvironment("RUZI_EMPTY", ""));
  EXPECT_EQ(FindEnvironment("RUZI_EMPTY").value_or(""), "");  // Windows keeps an empty variable
  EXPECT_EQ(GetEnvironment("RUZI_EMPTY"), "");
  UnsetEnvironment("RUZI_EMPTY");
}

}  // namespace
}  // namespace ruzi::platform
