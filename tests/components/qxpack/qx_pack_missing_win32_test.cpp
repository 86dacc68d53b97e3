// Without qxPack.dll: one message box, then every call fails cleanly.
#include <gtest/gtest.h>

#include "dialogs/message_sink.h"
#include "packets/qx_pack.h"
#include "qx_pack_script.h"

namespace ruzi {
namespace {

TEST(QxPackMissing, OneMessageThenCleanFailures) {
  std::vector<std::string> shown;
  ScopedMessageSink sink([&](std::string_view text, std::string_view caption, unsigned flags) {
    shown.push_back(std::string(text) + "|" + std::string(caption) + "|" + std::to_string(flags));
    return kIdOk;
  });
  testing::RunQxPackScript("qxp_missing.txt");
  TQxPack second;
  EXPECT_FALSE(gQxPackInterface->Loaded());
  EXPECT_EQ(shown, std::vector<std::string>{"未找到qxPack.dll文件！TQxPack无法工作！|错误|" + std::to_string(kMbOk | kMbIconExclamation)});
}

}  // namespace
}  // namespace ruzi
