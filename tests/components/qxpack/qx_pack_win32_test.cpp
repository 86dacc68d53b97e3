// TQxPack through our qxPack.dll, every entry bound by ordinal: each method reaches its own
// entry (the record pack itself is tested natively; here its calls cross the DLL).
#include <gtest/gtest.h>

#include "packets/qx_pack.h"
#include "packets/record_pack_text.h"
#include "platform/clipboard.h"
#include "qx_pack_script.h"

namespace ruzi {
namespace {

TEST(QxPack, EveryMethodReachesItsOwnOrdinal) {
  TQxPack pack;  // creates the process's interface
  ASSERT_TRUE(gQxPackInterface->Loaded());
  for (int ordinal = 1; ordinal <= TQxPackInterface::kEntryCount; ++ordinal) {
    EXPECT_NE(gQxPackInterface->Entry(ordinal), nullptr) << "ordinal " << ordinal;
  }
  testing::RunQxPackScript("qxp_loaded.txt");
}

// The text itself is the portable writer's, tested natively: here it crosses the DLL whole.
TEST(QxPack, TextCrossesTheDllWholeAndTheClipboardLosesCrBeforeLf) {
  const std::string text = WriteRecordPackText({{"f0", "交易"}, {{"a\tb", ""}, {"\\\n", "9 \r"}}});
  TQxPack pack;
  ASSERT_EQ(pack.ParseData(text), 0) << text;
  EXPECT_EQ(pack.Data(), text);
  EXPECT_EQ(pack.GetPackData(), text);
  pack.SetRecNo(2);
  std::string cell;
  EXPECT_FALSE(pack.GetValue(1, cell));
  EXPECT_EQ(cell, "9 \r");
  ASSERT_TRUE(platform::SetClipboardText("行1\r\n行2\r\n\r孤\n"));
  EXPECT_EQ(TQxPack::GetFromClipBoard(), "行1\n行2\n\r孤\n");
}

}  // namespace
}  // namespace ruzi
