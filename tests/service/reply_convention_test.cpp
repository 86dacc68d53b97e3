// The reply convention and the texts around it, without a middleware.
#include <gtest/gtest.h>

#include <random>

#include "packets/tagged_package.h"
#include "platform/environment.h"
#include "service/call_service.h"
#include "service/reply_convention.h"
#include "service/tuxedo_connection.h"

namespace ruzi {
namespace {

TEST(ReplyConvention, ResultCodesAndOutputs) {
  const std::string ok = "<ErrCode>0</ErrCode><ErrMsg></ErrMsg><data>x</data>";
  ReplyVerdict verdict = JudgeReply("svc", ok, false, false);
  EXPECT_EQ(verdict.result, kCallOk);
  EXPECT_EQ(verdict.output, ok);

  verdict = JudgeReply("svc", ok + "<WarnCode>3</WarnCode><WarnMessage>w</WarnMessage>", false, false);
  EXPECT_EQ(verdict.result, kCallWarning);
  EXPECT_EQ(verdict.output, "(3)w");

  // A warning code alone is not a warning.
  verdict = JudgeReply("svc", ok + "<WarnCode>3</WarnCode>", false, false);
  EXPECT_EQ(verdict.result, kCallOk);

  const std::string failed = "<ErrCode>12</ErrCode><ErrMsg>组合不存在</ErrMsg>";
  verdict = JudgeReply("svc", failed, false, false);
  EXPECT_EQ(verdict.result, kCallServiceFailed);
  EXPECT_EQ(verdict.output, "(12)组合不存在");
  EXPECT_EQ(JudgeReply("svc", failed, true, false).output, failed);
}

TEST(ReplyConvention, ReplyWithoutTheItems) {
  ReplyVerdict verdict = JudgeReply("svc_x", "<ErrCode>0</ErrCode><data>1</data>", false, false);
  EXPECT_EQ(verdict.result, kCallLocalFailure);
  EXPECT_FALSE(verdict.follows_convention);
  EXPECT_EQ(verdict.output,
            "服务svc_x没有按约定的格式返回信息,无ErrCode或ErrMsg数据项，当前返回值[<ErrCode>0</ErrCode><data>1</"
            "data>]");
  verdict = JudgeReply("svc_x", "plain data", false, true);
  EXPECT_EQ(verdict.result, kCallOk);
  EXPECT_EQ(verdict.output, "plain data");
  EXPECT_EQ(JudgeReply("svc_x", "", false, false).result, kCallLocalFailure);
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

TEST(ReplyConvention, RiskServicesGoToTheCombinedOne) {
  const std::pair<std::string, std::string> cases[] = {{"SVC_RISK_RC", "svc_mult_risk"},
                                                       {"svc_totalrisk", "svc_mult_risk"},
                                                       {"Svc_EntsRisk_Rc", "svc_mult_risk"},
                                                       {"svc_risk", "svc_risk"},
                                                       {"Svc_Other", "Svc_Other"}};
  for (auto [service, expected] : cases) {
    TransMultRisk(service);
    EXPECT_EQ(service, expected);
  }
}

TEST(ReplyConvention, DisplayWordSubstitution) {
  auto substituted = [](std::string text, std::string_view word) {
    SubstituteDisplayWord(text, word);
    return text;
  };
  EXPECT_EQ(substituted("(12)组合A与组合B", "账户"), "(12)账户A与账户B");
  // With the word 单元, "组合单" would read "单元单": it is put back.
  EXPECT_EQ(substituted("组合单已撤销,组合冻结", "单元"), "组合单已撤销,单元冻结");
  EXPECT_EQ(substituted("组合", ""), "组合");
}

TEST(ReplyConvention, ErrorWrapping) {
  EXPECT_EQ(WrapError(-2, "服务名不能为空"), "<ErrCode>-2</ErrCode><ErrMsg>服务名不能为空</ErrMsg>");
  EXPECT_EQ(WrapError(5, "<a>%s</a>"), "<ErrCode>5</ErrCode><ErrMsg><a>%s</a></ErrMsg>");
  std::string output;
  EXPECT_EQ(CallService("", "abc", output, 30000, true, true), kCallLocalFailure);
  EXPECT_EQ(output, "<ErrCode>-2</ErrCode><ErrMsg>服务名不能为空</ErrMsg>");
  EXPECT_EQ(CallService("", "abc", output, true, 1024, 0, 30000, true), kCallLocalFailure);
  EXPECT_EQ(output, "服务名不能为空");
}

TEST(ConnectionIdentity, UserNameIsPidAndFileCutTo30) {
  EXPECT_EQ(MakeUserName(4242, "C:\\apps\\trader.exe"), "4242:trader.exe");
  EXPECT_EQ(MakeUserName(4242, "/opt/trader"), "4242:trader");
  EXPECT_EQ(MakeUserName(123456, "C:\\x\\a_very_long_executable_file_name.exe"), "123456:a_very_long_executable_");
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
