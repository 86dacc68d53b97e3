// TQxPack through our qxPack.dll, every entry bound by ordinal: each method reaches its own
// entry (the record pack itself is tested natively; here its calls cross the DLL).
#include <gtest/gtest.h>

#include "foundation/error.h"
#include "packets/qx_pack.h"
#include "packets/record_pack_text.h"
#include "platform/clipboard.h"

namespace ruzi {
namespace {

TEST(QxPack, EveryMethodReachesItsOwnOrdinal) {
  TQxPack pack;  // creates the process's interface
  ASSERT_TRUE(gQxPackInterface->Loaded());
  for (int ordinal = 1; ordinal <= TQxPackInterface::kEntryCount; ++ordinal) {
    EXPECT_NE(gQxPackInterface->Entry(ordinal), nullptr) << "ordinal " << ordinal;
  }
  for (const char* name : {"fund_id", "名称", "amount", "c", "big"}) pack.AddField(name);
  EXPECT_EQ(pack.getFieldCount(), 5);
  EXPECT_EQ(pack.getFieldIndex("名称"), 1);
  EXPECT_LT(pack.getFieldIndex("missing"), 0);
  EXPECT_EQ(pack.getFieldName(2), "amount");
  EXPECT_EQ(pack.getFieldName(7), "");
  int32_t small = 0;
  EXPECT_TRUE(pack.GetValue(0, small)) << "no current row";  // the flags say the library refused
  for (int i = 1; i <= 3; ++i) {
    EXPECT_FALSE(pack.AppendRow());
    EXPECT_FALSE(pack.SetValue(0, static_cast<int32_t>(1000 + i)));
    EXPECT_FALSE(pack.SetValue(1, std::string("基金") + std::to_string(i)));
    EXPECT_FALSE(pack.SetValue(2, 1234.5 * i));
    EXPECT_FALSE(pack.SetValue(3, static_cast<char>('Y' + i)));
    EXPECT_FALSE(pack.SetValue(4, int64_t{-9007199254740993} - i));
  }
  EXPECT_EQ(pack.GetRecordCount(), 3);
  EXPECT_EQ(pack.GetRecNo(), 3);
  pack.First();
  for (int row = 1; row <= 3; ++row, pack.Next()) {
    ASSERT_FALSE(pack.Eof());
    int32_t id = 0;
    double amount = 0;
    std::string name;
    char c = 0;
    int64_t big = 0;
    EXPECT_FALSE(pack.GetValue(0, id) || pack.GetValue(1, name) || pack.GetValue(2, amount) ||
                 pack.GetValue(3, c) || pack.GetValue(4, big));
    EXPECT_EQ(id, 1000 + row);
    EXPECT_EQ(name, "基金" + std::to_string(row));
    EXPECT_DOUBLE_EQ(amount, 1234.5 * row);
    EXPECT_EQ(c, 'Y' + row);
    EXPECT_EQ(big, -9007199254740993 - row);
    EXPECT_TRUE(pack.GetValue(3, small)) << "a letter is no number";
  }
  EXPECT_TRUE(pack.Eof());
  std::string untouched = "keep";
  EXPECT_TRUE(pack.GetValue(9, untouched));
  EXPECT_EQ(untouched, "keep");  // copied only on success

  pack.SetRecNo(2);
  EXPECT_EQ(pack.GetRecNo(), 2);
  EXPECT_FALSE(pack.DeleteRow());
  EXPECT_EQ(pack.GetRecordCount(), 2);
  EXPECT_FALSE(pack.DeleteRowEx(1));
  EXPECT_TRUE(pack.DeleteRowEx(5));
  EXPECT_EQ(pack.GetRecordCount(), 1);
  pack.ClearData();
  EXPECT_EQ(pack.GetRecordCount(), 0);
  EXPECT_EQ(pack.getFieldCount(), 5);
  pack.Clear();
  EXPECT_EQ(pack.getFieldCount(), 0);
}

// The text itself is the portable writer's, tested natively: here it crosses the DLL whole.
TEST(QxPack, TextCrossesTheDllWholeAndMalformedTextLeavesAnEmptyPack) {
  const std::string text = WriteRecordPackText({{"f0", "交易"}, {{"a\tb", ""}, {"\\\n", "9 \r"}}});
  TQxPack pack;
  ASSERT_EQ(pack.ParseData(text), 0) << text;
  EXPECT_EQ(pack.Data(), text);
  EXPECT_EQ(pack.GetPackData(), text);
  pack.SetRecNo(2);
  std::string cell;
  EXPECT_FALSE(pack.GetValue(1, cell));
  EXPECT_EQ(cell, "9 \r");
  try {
    pack.SetRecNo(3);
    ADD_FAILURE() << "no exception";
  } catch (const Error& error) {
    EXPECT_STREQ(error.what(), "TQxPack无法跳至第3行!");
  }
  EXPECT_NE(pack.ParseData("a\tb\n1\n"), 0);
  EXPECT_EQ(pack.getFieldCount(), 0);
  EXPECT_TRUE(pack.Eof());
}

TEST(QxPack, ClipboardLosesCrBeforeLf) {
  ASSERT_TRUE(platform::SetClipboardText("行1\r\n行2\r\n\r孤\n"));
  EXPECT_EQ(TQxPack::GetFromClipBoard(), "行1\n行2\n\r孤\n");
}

}  // namespace
}  // namespace ruzi
