// The process-wide message sink: replacement, restoration, default buttons.
#include <gtest/gtest.h>

#include <string>

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

TEST(MessageSink, DefaultButtonFollowsTypeAndDefaultFlag) {
  EXPECT_EQ(DefaultButton(kMbOk), kIdOk);
  EXPECT_EQ(DefaultButton(kMbOkCancel | kMbDefButton2), kIdCancel);
  EXPECT_EQ(DefaultButton(kMbYesNo), kIdYes);
  EXPECT_EQ(DefaultButton(kMbYesNo | kMbDefButton2 | kMbIconInformation), kIdNo);
  EXPECT_EQ(DefaultButton(kMbYesNoCancel | kMbDefButton3), kIdCancel);
  EXPECT_EQ(DefaultButton(kMbYesNo | kMbDefButton3), kIdYes);  // no third button: the first
  EXPECT_EQ(DefaultButton(kMbOk | kMbDefButton2), kIdOk);
}

}  // namespace
}  // namespace ruzi
