// Natively the built-in sink writes the prompt to stderr in UTF-8 and takes the default button.
#include <gtest/gtest.h>

#include "dialogs/message_sink.h"

namespace ruzi {
namespace {

TEST(MessageSinkPosix, BuiltInSinkWritesAUtf8Line) {
  ::testing::internal::CaptureStderr();
  const int answer = ShowMessageBox("服务名不能为空", "提示", kMbYesNo | kMbDefButton2);
  const std::string written = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(answer, kIdNo);
  EXPECT_EQ(written, "[\xE6\x8F\x90\xE7\xA4\xBA] \xE6\x9C\x8D\xE5\x8A\xA1\xE5\x90\x8D\xE4\xB8\x8D\xE8\x83\xBD\xE4\xB8\xBA\xE7\xA9\xBA\n");
}

}  // namespace
}  // namespace ruzi
