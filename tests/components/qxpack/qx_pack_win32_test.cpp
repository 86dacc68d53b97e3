// TQxPack through our qxPack.dll, every entry bound by ordinal.
#include <gtest/gtest.h>

#include "dialogs/message_sink.h"
#include "foundation/error.h"
#include "packets/qx_pack.h"
#include "packets/record_pack_text.h"
#include "platform/clipboard.h"

namespace ruzi {
namespace {

TEST(QxPack, EveryOrdinalIsBound) {
  TQxPack pack;  // creates the process's interface
  ASSERT_TRUE(gQxPackInterface->Loaded());
  for (int ordinal = 1; ordinal <= TQxPackInterface::kEntryCount; ++ordinal) {
    EXPECT_NE(gQxPackInterface->Entry(ordinal), nullptr) << "ordinal " << ordinal;
  }
  EXPECT_NE(pack.Handle(), nullptr);
}

TEST(QxPack, BuildsNavigatesAndReadsBack) {
  TQxPack pack;
  pack.AddField("fund_id");
  pack.AddField("名称");
  pack.AddField("amount");
  EXPECT_EQ(pack.getFieldCount(), 3);
  EXPECT_EQ(pack.getFieldIndex("名称"), 1);
  EXPECT_LT(pack.getFieldIndex("missing"), 0);
  EXPECT_EQ(pack.getFieldName(2), "amount");
  EXPECT_EQ(pack.getFieldName(7), "");

  for (int i = 1; i <= 3; ++i) {
    EXPECT_FALSE(pack.AppendRow());
    EXPECT_FALSE(pack.SetValue(0, static_cast<int32_t>(1000 + i)));
    EXPECT_FALSE(pack.SetValue(1, std::string("基金") + std::to_string(i)));
    EXPECT_FALSE(pack.SetValue(2, 1234.5 * i));
  }
  EXPECT_EQ(pack.GetRecordCount(), 3);
  EXPECT_EQ(pack.GetRecNo(), 3);

  pack.First();
  int rows = 0;
  while (!pack.Eof()) {
    ++rows;
    int32_t id = 0;
    double amount = 0;
    std::string name;
    EXPECT_FALSE(pack.GetValue(0, id));
    EXPECT_FALSE(pack.GetValue(1, name));
    EXPECT_FALSE(pack.GetValue(2, amount));
    EXPECT_EQ(id, 1000 + rows);
    EXPECT_EQ(name, "基金" + std::to_string(rows));
    EXPECT_DOUBLE_EQ(amount, 1234.5 * rows);
    pack.Next();
  }
  EXPECT_EQ(rows, 3);

  pack.SetRecNo(2);
  EXPECT_EQ(pack.GetRecNo(), 2);
  EXPECT_FALSE(pack.DeleteRow());
  EXPECT_EQ(pack.GetRecordCount(), 2);
  EXPECT_FALSE(pack.DeleteRowEx(1));
  EXPECT_TRUE(pack.DeleteRowEx(5));  // the flag says the library refused
  EXPECT_EQ(pack.GetRecordCount(), 1);
  pack.ClearData();
  EXPECT_EQ(pack.GetRecordCount(), 0);
  EXPECT_EQ(pack.getFieldCount(), 3);
  pack.Clear();
  EXPECT_EQ(pack.getFieldCount(), 0);
}

TEST(QxPack, TypedValuesAndFailures) {
  TQxPack pack;
  pack.AddField("c");
  pack.AddField("big");
  int32_t small = 0;
  EXPECT_TRUE(pack.GetValue(0, small));  // no current row
  ASSERT_FALSE(pack.AppendRow());
  EXPECT_FALSE(pack.SetValue(0, 'Z'));
  EXPECT_FALSE(pack.SetValue(1, int64_t{-9007199254740993}));
  char c = 0;
  int64_t big = 0;
  EXPECT_FALSE(pack.GetValue(0, c));
  EXPECT_FALSE(pack.GetValue(1, big));
  EXPECT_EQ(c, 'Z');
  EXPECT_EQ(big, -9007199254740993);
  EXPECT_TRUE(pack.GetValue(0, small));  // "Z" is not a number
  std::string untouched = "keep";
  EXPECT_TRUE(pack.GetValue(9, untouched));
  EXPECT_EQ(untouched, "keep");  // copied only on success
}

TEST(QxPack, SetRecNoPastTheEndRaises) {
  TQxPack pack;
  ASSERT_EQ(pack.ParseData("a\n1\n2\n"), 0);
  try {
    pack.SetRecNo(3);
    FAIL() << "no exception";
  } catch (const Error& error) {
    EXPECT_STREQ(error.what(), "TQxPack无法跳至第3行!");
  }
  EXPECT_NO_THROW(pack.SetRecNo(2));
}

// The text itself is the portable writer's, tested natively: here it crosses the DLL whole.
TEST(QxPack, TextParsedByTheDllReadsBackAsWritten) {
  const std::string text = WriteRecordPackText({{"f0", "交易"}, {{"a\tb", ""}, {"\\\n", "9 \r"}}});
  TQxPack pack;
  ASSERT_EQ(pack.ParseData(text), 0) << text;
  EXPECT_EQ(pack.Data(), text);
  EXPECT_EQ(pack.GetPackData(), text);
  pack.SetRecNo(2);
  std::string cell;
  EXPECT_FALSE(pack.GetValue(1, cell));
  EXPECT_EQ(cell, "9 \r");
}

TEST(QxPack, MalformedTextFailsAndLeavesAnEmptyPack) {
  TQxPack pack;
  EXPECT_NE(pack.ParseData("a\tb\n1\n"), 0);
  EXPECT_EQ(pack.getFieldCount(), 0);
  EXPECT_TRUE(pack.Eof());
  EXPECT_NE(pack.ParseData("a\nbad\\q\n"), 0);
}

TEST(QxPack, ClipboardLosesCrBeforeLf) {
  ASSERT_TRUE(platform::SetClipboardText("行1\r\n行2\r\n\r孤\n"));
  EXPECT_EQ(TQxPack::GetFromClipBoard(), "行1\n行2\n\r孤\n");
}

}  // namespace
}  // namespace ruzi
