// Without qxPack.dll: one message box, then every call fails cleanly.
#include <gtest/gtest.h>

#include "dialogs/message_sink.h"
#include "foundation/error.h"
#include "packets/qx_pack.h"

namespace ruzi {
namespace {

TEST(QxPackMissing, OneMessageThenCleanFailures) {
  int shown = 0;
  std::string text, caption;
  unsigned flags = 0;
  ScopedMessageSink sink([&](std::string_view t, std::string_view c, unsigned f) {
    ++shown;
    text = t;
    caption = c;
    flags = f;
    return kIdOk;
  });
  TQxPack first;
  TQxPack second;
  EXPECT_EQ(shown, 1);
  EXPECT_EQ(text, "未找到qxPack.dll文件！TQxPack无法工作！");
  EXPECT_EQ(caption, "错误");
  EXPECT_EQ(flags, kMbOk | kMbIconExclamation);
  EXPECT_FALSE(gQxPackInterface->Loaded());
  EXPECT_EQ(first.Handle(), nullptr);

  EXPECT_NE(first.ParseData("a\n1\n"), 0);
  EXPECT_EQ(first.Data(), "a\n1\n");
  EXPECT_TRUE(first.Eof());
  EXPECT_EQ(first.GetRecordCount(), 0);
  EXPECT_LT(first.getFieldIndex("a"), 0);
  EXPECT_EQ(first.getFieldName(0), "");
  EXPECT_EQ(first.GetPackData(), "");
  EXPECT_TRUE(first.AppendRow());
  EXPECT_TRUE(first.SetValue(0, std::string("x")));
  std::string value = "keep";
  EXPECT_TRUE(first.GetValue(0, value));
  EXPECT_EQ(value, "keep");
  EXPECT_THROW(first.SetRecNo(1), Error);
  first.First();
  first.Next();
  first.Clear();
  first.ClearData();
  EXPECT_EQ(shown, 1);
}

}  // namespace
}  // namespace ruzi
