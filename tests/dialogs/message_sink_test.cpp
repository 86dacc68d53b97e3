// The process-wide message sink: replacement, restoration, default buttons.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "dialogs/message_sink.h"

namespace ruzi {
namespace {

TEST(MessageSink, InstalledSinkReceivesAllAndScopeRestoresThePrevious) {
  std::string outer_seen;
  std::string inner_seen;
  ScopedMessageSink outer([&](std::string_view text, std::string_view caption, unsigned) {
    outer_seen = std::string(caption) + ":" + std::string(text);
    return kIdOk;
  });
  {
    ScopedMessageSink inner([&](std::string_view text, std::string_view, unsigned flags) {
      inner_seen = std::string(text);
      return flags == kMbYesNo ? kIdNo : kIdCancel;
    });
    EXPECT_EQ(ShowMessageBox("question", "提示", kMbYesNo), kIdNo);
  }
  EXPECT_EQ(inner_seen, "question");
  EXPECT_EQ(outer_seen, "");
  EXPECT_EQ(ShowMessageBox("after", "提示", kMbOk), kIdOk);
  EXPECT_EQ(outer_seen, "提示:after");
}

// A default flag past the buttons there are picks the first.
TEST(MessageSink, DefaultButtonFollowsTypeAndDefaultFlag) {
  const std::pair<unsigned, int> cases[] = {
      {kMbOk, kIdOk}, {kMbOkCancel | kMbDefButton2, kIdCancel}, {kMbYesNo, kIdYes},
      {kMbYesNo | kMbDefButton2 | kMbIconInformation, kIdNo}, {kMbYesNoCancel | kMbDefButton3, kIdCancel},
      {kMbYesNo | kMbDefButton3, kIdYes}, {kMbOk | kMbDefButton2, kIdOk}};
  for (const auto& [flags, button] : cases) EXPECT_EQ(DefaultButton(flags), button) << flags;
}

}  // namespace
}  // namespace ruzi
