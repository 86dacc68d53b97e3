// The library's service calls end to end: ruzirareva's binding, our wtuxws32.dll and ruzi-mwd.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <set>
#include <thread>

#include "client_calls.h"
#include "frame_channel.h"
#include "library/unit_registry.h"
#include "mwd_server.h"
#include "platform/environment.h"
#include "service/call_service.h"
#include "service/tuxedo_connection.h"
#include "service/tuxedo_entries.h"

namespace ruzi {
namespace {

using testing::AuditWith;
using testing::PrivateServer;

class ServiceCalls : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_TRUE(UnitRegistry::Instance().StartAll()) << UnitRegistry::Instance().LastStartError(); }

  void SetUp() override {
    testing::UseFixtureServer();
    for (const char* name : {"l_org_id", "l_dept_id", "TUXEDO_CONNECTION_TYPE", "61057value", "QxClientRunType"}) {
      platform::UnsetEnvironment(name);
    }
    gQxClientRunType = -99;
    gParameter61057Value.clear();
    gHaveGetParameter61057 = false;
  }
  void TearDown() override { tpterm(); }

  // Open a connection of this thread's own to read the audit (per-call mode ends each one).
  static std::vector<testing::AuditEntry> Audit(const std::string& marker) {
    std::string message;
    EXPECT_EQ(TuxedoInit(message), 0) << message;
    auto entries = AuditWith(marker);
    tpterm();
    return entries;
  }
};

// Sessions the server holds, through a probe of our own, asked until they come to `expected`
// or 3 s pass: a sign-off is not waited for, so the server may still be ending a session.
uint32_t SessionCount(uint16_t port, uint32_t expected) {
  uint32_t count = 9999;
  for (int attempt = 0; attempt < 60 && count != expected; ++attempt) {
    if (attempt > 0) Sleep(50);
    mw::FrameChannel channel;
    if (!channel.Open("127.0.0.1", port, 5000) || !channel.Send(mw::ProbeRequest{}, 1, 5000)) continue;
    if (auto answer = channel.Receive(5000)) count = std::get<mw::ProbeReply>(answer->message).session_count;
  }
  return count;
}

// The verdicts themselves are judged natively; here the server's replies reach them, with the
// display word, the wrapping and the run type read from the process's environment.
TEST_F(ServiceCalls, RepliesJudgedWithTheWordsOfTheEnvironment) {
  std::string output;
  EXPECT_EQ(CallService("demo_echo", "<x>1</x>", output), kCallOk);
  EXPECT_EQ(output, "<ErrCode>0</ErrCode><ErrMsg></ErrMsg><Request><x>1</x></Request>");
  EXPECT_EQ(CallService("demo_warn", "", output), kCallWarning);
  EXPECT_EQ(output, "(3)组合持仓接近上限");
  platform::SetEnvironment("61057value", "单元");
  EXPECT_EQ(CallService("demo_fail", "", output), kCallServiceFailed);
  EXPECT_EQ(output, "(12)组合单笔委托超过限额: 单元1001");  // "单元单" is put back to "组合单"
  EXPECT_EQ(CallService("demo_warn", "", output), kCallWarning);  // the word read by the failure
  EXPECT_EQ(output, "(3)单元持仓接近上限");
  EXPECT_EQ(CallService("demo_fail", "", output, 30000, true, true), kCallServiceFailed);
  EXPECT_EQ(output, "<ErrCode>-1</ErrCode><ErrMsg>(12)组合单笔委托超过限额: 单元1001</ErrMsg>");
  EXPECT_EQ(CallService("demo_plain", "", output), kCallLocalFailure);
  EXPECT_EQ(output.rfind("服务demo_plain没有按约定的格式返回信息", 0), 0u) << output;
  platform::SetEnvironment("QxClientRunType", "2");
  EXPECT_EQ(CallService("demo_plain", "", output), kCallOk);
  EXPECT_EQ(output, "<l_fund_id>7</l_fund_id><vc_fund_name>红利精选组合</vc_fund_name>");
}

TEST_F(ServiceCalls, PrefixesAndRiskRenamingAsTheServerSawThem) {
  platform::SetEnvironment("l_org_id", "0101");
  platform::SetEnvironment("l_dept_id", "07");
  std::string output;
  EXPECT_EQ(CallService("SVC_RISK_RC", "<m>prefix-order</m>", output), kCallOk) << output;
  EXPECT_EQ(CallService("svc_risk", "<m>prefix-order</m>", output), kCallLocalFailure);  // no such service
  platform::UnsetEnvironment("l_org_id");
  platform::UnsetEnvironment("l_dept_id");
  auto entries = Audit("prefix-order");
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].service, "svc_mult_risk");
  EXPECT_EQ(entries[0].request, "<l_dept_id>07</l_dept_id><l_org_id>0101</l_org_id><m>prefix-order</m>");
  EXPECT_EQ(entries[1].service, "svc_risk");
}

TEST_F(ServiceCalls, FailureTable) {
  std::string output;
  EXPECT_EQ(CallService("demo_echo", "", output, true, -1, 0, 30000, true), kCallLocalFailure);
  EXPECT_EQ(output.rfind("内存分配失败(tpalloc)!错误号:", 0), 0u) << output;

  EXPECT_EQ(CallService("demo_slow", "<ms>3000</ms>", output, 1000, false, true), kCallTimeout);
  EXPECT_EQ(output, ConvertTpErrMsg(13));
  EXPECT_NE(output.find("\r\n处理建议: 检查Ubbconfig的BlockTime时间设置是否正确, 建议300-1000。"), std::string::npos);

  // The client's text for the last error carries the server's detail.
  EXPECT_EQ(CallService("demo_abort", "", output), kCallTimeout);
  EXPECT_EQ(output.rfind("TPEABORT", 0), 0u) << output;

  EXPECT_EQ(CallService("no_such_service", "", output), kCallLocalFailure);
  EXPECT_EQ(output.rfind("TPENOENT", 0), 0u) << output;
  // The eight-argument form names the call in front of the text.
  EXPECT_EQ(CallService("no_such_service", "", output, true, 1024, 0, 30000, true), kCallLocalFailure);
  EXPECT_EQ(output.rfind("调用服务(tpcall:no_such_service)!\r\nTPENOENT", 0), 0u) << output;

  platform::SetEnvironment("WSNADDR", "//127.0.0.1:1");
  EXPECT_EQ(CallService("demo_echo", "", output), kCallLocalFailure);
  EXPECT_EQ(output.rfind("网络链接异常,错误原因可能存在如下情况：", 0), 0u) << output;
}

TEST_F(ServiceCalls, ByIdAndRawBuffers) {
  std::string output;
  EXPECT_EQ(CallServiceId(10001, "<id>1</id>", output, 30000, false, true), kCallOk);
  EXPECT_NE(output.find("<Request><id>1</id></Request>"), std::string::npos) << output;
  // An id nothing answers: the status is not examined, the empty reply breaks the convention.
  EXPECT_EQ(CallServiceId(424242, "", output, 30000, false, true), kCallLocalFailure);
  EXPECT_EQ(output.rfind("服务424242没有按约定的格式返回信息", 0), 0u) << output;

  // The raw-buffer form opens no connection of its own.
  std::string message;
  ASSERT_EQ(TuxedoInit(message), 0) << message;
  std::string input(5000, '\0');
  for (size_t i = 0; i < input.size(); ++i) input[i] = static_cast<char>(i * 7);
  char* reply = nullptr;
  int32_t reply_length = 0;
  ASSERT_EQ(CallService("demo_carray", input.data(), 5000, &reply, &reply_length, 30000, false, true), 0) << reply;
  ASSERT_EQ(reply_length, 5000);
  EXPECT_EQ(HeapSize(GetProcessHeap(), 0, reply), 5128u);
  EXPECT_EQ(std::string(reply, 5000), input);
  FreeCallServiceOutput(reply);
}

TEST_F(ServiceCalls, PerCallModeEndsEveryConnectionItOpened) {
  PrivateServer server("per-call");
  platform::SetEnvironment("WSNADDR", server.Address());
  std::string output;
  for (int i = 0; i < 5; ++i) ASSERT_EQ(CallService("demo_echo", "", output), kCallOk) << output;
  EXPECT_EQ(CallService("demo_slow", "<ms>2000</ms>", output, 500, false, true), kCallTimeout);
  EXPECT_EQ(SessionCount(server.Port(), 0), 0u);
}

TEST_F(ServiceCalls, KeptConnectionReconnectsExactlyOnceAfterARestart) {
  auto first = std::make_unique<PrivateServer>("restart-1");
  const uint16_t port = first->Port();
  platform::SetEnvironment("WSNADDR", first->Address());
  SetTuxedoConnType("1");
  std::string output;
  ASSERT_EQ(CallService("demo_echo", "<m>before</m>", output), kCallOk) << output;
  first->Kill();
  first.reset();
  PrivateServer second("restart-2", {"--port", std::to_string(port)});
  ASSERT_EQ(second.Port(), port);
  ASSERT_EQ(CallService("demo_echo", "<m>after-restart</m>", output), kCallOk) << output;
  ASSERT_EQ(CallService("demo_echo", "<m>after-restart</m>", output), kCallOk) << output;
  auto entries = AuditWith("after-restart");  // on the kept connection
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].session, entries[1].session);
  EXPECT_EQ(SessionCount(port, 1), 1u);
  SetTuxedoConnType("2");
  EXPECT_EQ(SessionCount(port, 0), 0u);

  // The kept connection lost for good: the reconnect fails with the sign-on message.
  SetTuxedoConnType("1");
  ASSERT_EQ(CallService("demo_echo", "", output), kCallOk);
  second.Kill();
  EXPECT_EQ(CallService("demo_echo", "", output), kCallLocalFailure);
  EXPECT_EQ(output.rfind("网络链接异常", 0), 0u) << output;
}

TEST_F(ServiceCalls, EightThreadsEachWithTheirOwnContext) {
  SetTuxedoConnType("1");
  std::atomic<int> wrong{0};
  std::vector<std::thread> threads;
  for (int t = 0; t < 8; ++t) {
    threads.emplace_back([t, &wrong] {
      const std::string request = "<m>threads-" + std::to_string(t) + "</m>";
      for (int i = 0; i < 10; ++i) {
        std::string output;
        if (CallService("demo_echo", request, output) != kCallOk ||
            output.find("<Request>" + request + "</Request>") == std::string::npos) {
          ++wrong;
        }
      }
      tpterm();
    });
  }
  for (auto& thread : threads) thread.join();
  EXPECT_EQ(wrong.load(), 0);
  SetTuxedoConnType("2");
  std::set<std::string> sessions;
  for (const auto& entry : Audit("threads-")) sessions.insert(entry.session);
  EXPECT_EQ(sessions.size(), 8u);
}

TEST_F(ServiceCalls, RouterCallsNeverOverlap) {
  std::vector<std::thread> threads;
  std::atomic<int> failed{0};
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([t, &failed] {
      for (int i = 0; i < 2; ++i) {
        std::string output;
        if (CallServiceRouter("demo_slow", "<ms>120</ms><m>router-overlap</m>", output, "route" + std::to_string(t)) !=
            kCallOk) {
          ++failed;
        }
      }
    });
  }
  for (auto& thread : threads) thread.join();
  EXPECT_EQ(failed.load(), 0);
  auto entries = Audit("router-overlap");
  ASSERT_EQ(entries.size(), 8u);
  std::sort(entries.begin(), entries.end(),
            [](const auto& a, const auto& b) { return a.started_us < b.started_us; });
  for (size_t i = 1; i < entries.size(); ++i) {
    EXPECT_GE(entries[i].started_us, entries[i - 1].ended_us) << "calls " << i - 1 << " and " << i << " overlap";
  }
  for (const auto& entry : entries) EXPECT_EQ(entry.route.rfind("route", 0), 0u);
}

}  // namespace
}  // namespace ruzi
