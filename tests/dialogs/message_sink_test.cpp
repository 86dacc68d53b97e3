// The process-wide message sink: replacement, restoration, default buttons, and natively the
// built-in sink.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "dialogs/message_sink.h"

namespace ruzi {
namespace {

TEST(MessageSink, InstalledSinkReceivesAllAndScopeRestoresThePrevious) {
  std::string seen;
  ScopedMessageSink outer([&](std::string_view text, std::string_view caption, unsigned) {
    seen += "outer " + std::string(caption) + ":" + std::string(text) + ";";
    return kIdOk;
  });
  {
    ScopedMessageSink inner([&](std::string_view text, std::string_view, unsigned flags) {
      seen += "inner " + std::string(text) + ";";
      return flags == kMbYesNo ? kIdNo : kIdCancel;
    });
    EXPECT_EQ(ShowMessageBox("question", "提示", kMbYesNo), kIdNo);
  }
  EXPECT_EQ(ShowMessageBox("after", "提示", kMbOk), kIdOk);
  EXPECT_EQ(seen, "inner question;outer 提示:after;");
}

// A default flag past the buttons there are picks the first.
TEST(MessageSink, DefaultButtonFollowsTypeAndDefaultFlag) {
  const std::pair<unsigned, int> cases[] = {
      {kMbOk, kIdOk}, {kMbOkCancel | kMbDefButton2, kIdCancel}, {kMbYesNo, kIdYes},
      {kMbYesNo | kMbDefButton2 | kMbIconInformation, kIdNo}, {kMbYesNoCancel | kMbDefButton3, kIdCancel},
      {kMbYesNo | kMbDefButton3, kIdYes}, {kMbOk | kMbDefButton2, kIdOk}};
  for (const auto& [flags, button] : cases) EXPECT_EQ(DefaultButton(flags), button) << flags;
}

#ifndef _WIN32
// Natively the built-in sink writes the prompt to stderr in UTF-8 and takes the default button.
TEST(MessageSinkPosix, BuiltInSinkWritesAUtf8Line) {
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(ShowMessageBox("服务名不能为空", "提示", kMbYesNo | kMbDefButton2), kIdNo);
  EXPECT_EQ(::testing::internal::GetCapturedStderr(),
            "[\xE6\x8F\x90\xE7\xA4\xBA] \xE6\x9C\x8D\xE5\x8A\xA1\xE5\x90\x8D\xE4\xB8\x8D\xE8\x83\xBD\xE4\xB8\xBA\xE7\xA9\xBA\n");
}
#endif

}  // namespace
}  // namespace ruzi
