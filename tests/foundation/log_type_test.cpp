// The 61 program areas: values, names and CommandToString.
#include <gtest/gtest.h>

#include <set>

#include "foundation/log_type.h"

namespace ruzi {
namespace {

TEST(LogType, ValuesNamesAndCommandToString) {
  static_assert(sizeof(TLogType) == 1);
  EXPECT_EQ(static_cast<int>(ltNormal), 0);
  EXPECT_EQ(static_cast<int>(ltAlgoOrder), 3);
  EXPECT_EQ(static_cast<int>(StockTradeInstr), 52);
  EXPECT_EQ(static_cast<int>(ltRCPublic), 60);
  EXPECT_EQ(kLogTypeCount, 61);
  EXPECT_EQ(CommandToString(ltNormal), "Normal");
  EXPECT_EQ(CommandToString(ltpbrc), "pbrc");
  EXPECT_EQ(CommandToString(ltapproveflowmanage), "approveflowmanage");
  EXPECT_EQ(CommandToString(StockTradeInstr), "ockTradeInstr");
  EXPECT_EQ(CommandToString(ltRCPublic), "RCPublic");
  EXPECT_EQ(LogTypeName(static_cast<TLogType>(61)), "");
  // Every other name starts with "lt" and the names are distinct.
  std::set<std::string_view> names;
  for (int value = 0; value < kLogTypeCount; ++value) {
    const std::string_view name = LogTypeName(static_cast<TLogType>(value));
    if (value != 52) {
      EXPECT_EQ(name.substr(0, 2), "lt") << value;
    }
    names.insert(name);
  }
  EXPECT_EQ(names.size(), 61u);
}

}  // namespace
}  // namespace ruzi
