// The password rules by level through a test sink: the answer, and the one message shown
// (caption "提示", an OK box) with its lines in order, or none when the password passes.
#include <gtest/gtest.h>

#include "dialogs/message_sink.h"
#include "service/qx_comm.h"
#include "vector_file.h"

namespace ruzi {
namespace {

TEST(QxCheckPassword, KnownAnswersThroughTheMessageSink) {
  const auto cases = testing::ReadVectors("passwords.txt");
  ASSERT_GE(cases.size(), 20u);
  for (const auto& c : cases) {
    ASSERT_EQ(c.size(), 4u);
    std::vector<std::string> shown;
    ScopedMessageSink sink([&](std::string_view text, std::string_view caption, unsigned flags) {
      EXPECT_EQ(caption, "提示");
      EXPECT_EQ(flags, kMbOk | kMbIconInformation);
      shown.emplace_back(text);
      return kIdOk;
    });
    const bool passed = qxCheckPassword(c[0], std::stoi(c[1]));
    EXPECT_EQ(passed, c[2] == "1") << c[0] << " level " << c[1];
    EXPECT_EQ(shown, c[3].empty() ? std::vector<std::string>{} : std::vector<std::string>{c[3]})
        << c[0] << " level " << c[1];
  }
}

}  // namespace
}  // namespace ruzi
