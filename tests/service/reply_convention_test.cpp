// The reply convention and the texts around it, without a middleware.
#include <gtest/gtest.h>

#include <random>

#include "packets/tagged_package.h"
#include "platform/environment.h"
#include "service/call_service.h"
#include "service/reply_convention.h"
#include "service/tuxedo_connection.h"
#include "vector_file.h"

namespace ruzi {
namespace {

TEST(ReplyConvention, KnownAnswers) {
  auto flag = [](const std::string& text) { return text == "1"; };
  testing::CheckAnswers("reply_convention.txt", {
      {"Judge", [&](auto& a) {
         const ReplyVerdict verdict = JudgeReply(a[0], a[1], flag(a[2]), flag(a[3]));
         return std::to_string(verdict.result) + "|" + testing::Num(verdict.follows_convention) + "|" + verdict.output;
       }},
      {"Risk", [](auto& a) {
         std::string service = a[0];
         TransMultRisk(service);
         return service;
       }},
      {"Word", [](auto& a) {
         std::string text = a[0];
         SubstituteDisplayWord(text, a[1]);
         return text;
       }},
      {"Wrap", [](auto& a) { return WrapError(std::stoi(a[0]), a[1]); }},
      {"UserName", [](auto& a) { return MakeUserName(std::stoi(a[0]), a[1]); }},
  });
}

// The verdict read through a fully parsed package, as the client reads any tag text.
ReplyVerdict VerdictThroughPackage(std::string_view reply, bool raw_reply_on_error) {
  TqxPackage package(reply);
  int32_t code = 0, warn_code = 0;
  std::string message, warn_message;
  if (!package.GetItem("ErrCode", code) || !package.GetItem("ErrMsg", message)) {
    return {kCallLocalFailure, MissingConventionMessage("s", package.GetText()), false};
  }
  if (code != 0) return {kCallServiceFailed, raw_reply_on_error ? std::string(reply) : CodeAndText(code, message), true};
  if (package.GetItem("WarnCode", warn_code) && package.GetItem("WarnMessage", warn_message)) {
    return {kCallWarning, CodeAndText(warn_code, warn_message), true};
  }
  return {kCallOk, std::string(reply), true};
}

// Replies of repeated, nested, unclosed and non-numeric items against the parsed package.
TEST(ReplyConvention, RandomRepliesAgreeWithTheParsedPackage) {
  const std::vector<std::string> pieces = {
      "<ErrCode>0</ErrCode>", "<ErrCode>7</ErrCode>", "<ErrCode>x</ErrCode>", "<ErrMsg>m</ErrMsg>",
      "<WarnCode>3</WarnCode>", "<WarnMessage>w</WarnMessage>", "<d><ErrCode>5</ErrCode></d>", "<ErrMsg>",
      "</ErrCode>", "<", ">", "text", "<WarnCode>$1F</WarnCode>", "<ErrCode> 2</ErrCode>"};
  std::mt19937 random(3);
  for (int i = 0; i < 20000; ++i) {
    std::string reply;
    for (int n = static_cast<int>(random() % 7); n > 0; --n) reply += pieces[random() % pieces.size()];
    const bool raw = random() % 2 != 0;
    const ReplyVerdict expected = VerdictThroughPackage(reply, raw);
    const ReplyVerdict actual = JudgeReply("s", reply, raw, false);
    ASSERT_EQ(actual.result, expected.result) << reply;
    ASSERT_EQ(actual.output, expected.output) << reply;
    ASSERT_EQ(actual.follows_convention, expected.follows_convention) << reply;
  }
}

// An empty service name is refused before any connection, wrapped or not.
TEST(ReplyConvention, EmptyServiceName) {
  std::string output;
  EXPECT_EQ(CallService("", "abc", output, 30000, true, true), kCallLocalFailure);
  EXPECT_EQ(output, "<ErrCode>-2</ErrCode><ErrMsg>服务名不能为空</ErrMsg>");
  EXPECT_EQ(CallService("", "abc", output, true, 1024, 0, 30000, true), kCallLocalFailure);
  EXPECT_EQ(output, "服务名不能为空");
}

TEST(ConnectionType, DefaultsToPerCall) {
  platform::UnsetEnvironment("TUXEDO_CONNECTION_TYPE");
  EXPECT_EQ(GetTuxedoConnType(), "2");
  SetTuxedoConnType("1");
  EXPECT_EQ(GetTuxedoConnType(), "1");
  EXPECT_EQ(platform::GetEnvironment("TUXEDO_CONNECTION_TYPE"), "1");
  platform::UnsetEnvironment("TUXEDO_CONNECTION_TYPE");
}

}  // namespace
}  // namespace ruzi
