// The 61 program areas: distinct names, and CommandToString two letters shorter.
#include <gtest/gtest.h>

#include <set>

#include "foundation/log_type.h"

namespace ruzi {
namespace {

TEST(LogType, DistinctNamesAndCommandToStringDropsTwoLetters) {
  static_assert(sizeof(TLogType) == 1 && kLogTypeCount == 61);
  std::set<std::string_view> names;
  for (int value = 0; value < kLogTypeCount; ++value) {
    const std::string_view name = LogTypeName(static_cast<TLogType>(value));
    // Every name starts with "lt" but one, which loses its first two letters all the same.
    EXPECT_TRUE(name.starts_with("lt") != (value == StockTradeInstr)) << name;
    EXPECT_EQ(CommandToString(static_cast<TLogType>(value)), name.substr(2));
    names.insert(name);
  }
  EXPECT_EQ(CommandToString(ltNormal), "Normal");
  EXPECT_EQ(names.size(), 61u);
  EXPECT_EQ(LogTypeName(static_cast<TLogType>(61)), "");
}

}  // namespace
}  // namespace ruzi
