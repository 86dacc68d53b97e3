// GetMultiNetWorkSpeed against real ruzi-mwd servers with artificial delays, a frozen one
// (its backlog accepts, nothing answers) and a killed one's port.
#include <gtest/gtest.h>
#include <unistd.h>

#include <csignal>
#include <memory>

#include "multi_network_speed.h"
#include "mwd_process.h"
#include "probe_exchange.h"
#include "speed_checks.h"
#include "ztsdk.h"

namespace ruzi::testing {
namespace {

SpeedEntries Entries() { return SpeedEntries{NewPacker, GetMultiNetWorkSpeed}; }

std::string Local(uint16_t port) { return "127.0.0.1:" + std::to_string(port); }

// Live servers ranked by delay with their session counts, a frozen one and a closed port
// unreachable, all probed side by side within the time-out.
TEST(SdkSpeedProbe, LiveServersRankedSilentAndClosedOnesUnreachableWithinTheTimeOut) {
  // Each case runs in a process of its own, two at a time: folders apart by process.
  const std::string pid = std::to_string(::getpid());
  const int kDelays[] = {100, 400, 250};
  std::vector<std::unique_ptr<MwdProcess>> servers;
  for (int delay : kDelays) {
    servers.push_back(std::make_unique<MwdProcess>("sdk-speed-" + std::to_string(delay) + "-" + pid,
                                                   std::vector<std::string>{"--delay-ms", std::to_string(delay)}));
  }
  auto first = SignedOnClient(servers[2]->Port(), "a");
  auto second = SignedOnClient(servers[2]->Port(), "b");
  MwdProcess silent("sdk-silent-" + pid);
  MwdProcess closed("sdk-closed-" + pid);
  ::kill(silent.Pid(), SIGSTOP);
  closed.SignalAndWait(SIGKILL);
  std::vector<std::string> lines = {Local(servers[0]->Port()), Local(silent.Port()), Local(servers[1]->Port()),
                                    Local(servers[2]->Port()), Local(closed.Port())};
  SpeedAnswer answer = MeasureSpeeds(Entries(), lines, 1500);
  ExpectUnreachableWithinTheTimeOut(answer, 1, 4, 1500, 250);
  EXPECT_EQ(answer.rows[4].last_error, sdk::kProbeRefused);
  const size_t live[] = {0, 2, 3};
  for (size_t i = 0; i < 3; ++i) {  // the delays differ by more than the allowance
    EXPECT_GE(answer.rows[live[i]].net_delay, kDelays[i]) << i;
    EXPECT_LT(answer.rows[live[i]].net_delay, kDelays[i] + 100.0) << i;
  }
  EXPECT_EQ(answer.rows[2].address, "127.0.0.1");
  EXPECT_EQ(answer.rows[2].port, std::to_string(servers[1]->Port()));
  EXPECT_EQ(answer.rows[0].conn_count, 0);
  EXPECT_EQ(answer.rows[3].conn_count, 2);
  double delay = 0;  // one server alone (its bytes are counted by the concurrency test)
  EXPECT_EQ(GetNetWorkSpeed(Local(servers[0]->Port()).c_str(), 3000, &delay), 0);
  EXPECT_GE(delay, kDelays[0]);
  EXPECT_EQ(GetNetWorkSpeed("no-port", 100, &delay), sdk::kProbeBadAddress);
  EXPECT_EQ(delay, -1.0);
}

// Requests refused whole, and rows whose address cannot be probed; up to 256 servers a request.
TEST(SdkSpeedProbe, RequestsThatCannotBeMeasuredGetAnErrorRow) {
  IF2Packer* answer = NewPacker(2);
  answer->StartPack();
  EXPECT_EQ(GetMultiNetWorkSpeed(nullptr, answer, 100), -1);
  IF2UnPacker* reader = answer->OpenAsReader();
  EXPECT_EQ(reader->IntByName("error_no"), -1);
  EXPECT_STREQ(reader->StrByName("error_info"), "请求数据包为空");

  IF2Packer* request = NewPacker(2);
  request->DefineField("host", 'S', 255, 4);
  request->PutStr("127.0.0.1");
  answer->StartPack();
  EXPECT_EQ(GetMultiNetWorkSpeed(request->OpenAsReader(), answer, 100), -1);
  EXPECT_STREQ(answer->OpenAsReader()->StrByName("error_info"), "请求数据包缺少address或port字段");
  EXPECT_EQ(GetMultiNetWorkSpeed(request->OpenAsReader(), nullptr, 100), -2);
  request->Release();
  answer->Release();

  std::vector<std::string> bad = {"127.0.0.1:0", "127.0.0.1:http", ":1"};
  bad.resize(sdk::kMaxProbedServers, ":1");
  SpeedAnswer most = MeasureSpeeds(Entries(), bad, 500);
  ASSERT_EQ(most.rows.size(), bad.size());
  for (const SpeedRow& row : most.rows) EXPECT_EQ(row.last_error, sdk::kProbeBadAddress) << row.port;
  bad.push_back(":1");
  EXPECT_EQ(MeasureSpeeds(Entries(), bad, 500).error_info, "服务器个数超过上限256");
}

}  // namespace
}  // namespace ruzi::testing
