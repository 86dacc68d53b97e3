// Server selection under Wine against three real ruzi-mwd servers whose answers are delayed
// differently and which hold different numbers of signed-on sessions.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "frame_channel.h"
#include "mwd_server.h"
#include "service/server_speed.h"

namespace ruzi {
namespace {

using testing::PrivateServer;

// `count` sessions signed on to the server, held while the object lives.
class Sessions {
 public:
  Sessions(uint16_t port, int count) {
    for (int i = 0; i < count; ++i) {
      auto channel = std::make_unique<mw::FrameChannel>();
      EXPECT_TRUE(channel->Open("127.0.0.1", port, 5000));
      EXPECT_TRUE(channel->Send(mw::SignOnRequest{"selector", "127.0.0.1", "", 32}, 1, 5000));
      auto answer = channel->Receive(5000);
      EXPECT_TRUE(answer && std::holds_alternative<mw::SignOnReply>(answer->message));
      channels_.push_back(std::move(channel));
    }
  }

 private:
  std::vector<std::unique_ptr<mw::FrameChannel>> channels_;
};

std::string Line(const PrivateServer& server) { return "127.0.0.1:" + std::to_string(server.Port()); }

TEST(ServerSelectionWine, FastestByDelayFewestSessionsByCount) {
  PrivateServer slow("select-slow", {"--delay-ms", "300"});
  PrivateServer fast("select-fast", {"--delay-ms", "20"});
  PrivateServer middle("select-middle", {"--delay-ms", "120"});
  Sessions on_slow(slow.Port(), 1);
  Sessions on_fast(fast.Port(), 3);
  Sessions on_middle(middle.Port(), 2);
  const std::vector<std::string> lines = {Line(slow), Line(fast), Line(middle)};

  TArrRetNetWorkSpeed speeds;
  __GetMultiNetWorkSpeed(&lines, 5000, speeds);
  ASSERT_EQ(speeds.size(), 3u);
  const int32_t sessions[] = {1, 3, 2};
  const double delays[] = {300, 20, 120};
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(speeds[i]->ConnCount, sessions[i]) << i;
    EXPECT_GE(speeds[i]->NetDelay, delays[i]) << i;
    EXPECT_EQ(speeds[i]->ErrorNo, 0) << i;
    EXPECT_EQ(speeds[i]->ErrorInfo, "") << i;
  }

  EXPECT_EQ(AutoSelectBestServer(&lines, 0, 0), 1);
  EXPECT_EQ(AutoSelectBestServer(&lines, 1, 0), 0);
  EXPECT_EQ(AutoSelectBestServer(std::span<const std::string>(lines), 0, 99), 1) << "the array form";
  EXPECT_EQ(AutoSelectBestServer(std::span<const std::string>(lines), 7, 99), 0);

  // A server gone is unreachable: skipped by both modes.
  fast.Kill();
  EXPECT_EQ(AutoSelectBestServer(&lines, 0, 0), 2);
  __GetMultiNetWorkSpeed(&lines, 5000, speeds);
  ASSERT_EQ(speeds.size(), 3u);
  EXPECT_LT(speeds[1]->NetDelay, 0);
  EXPECT_LT(speeds[1]->ConnCount, 0);
  EXPECT_NE(speeds[1]->ErrorNo, 0);
}

// The SDK refuses more than 256 servers: one record with its error, which both modes take.
TEST(ServerSelectionWine, RefusedMeasurementIsOneErrorRecord) {
  const std::vector<std::string> lines(257, "127.0.0.1:1");
  TArrRetNetWorkSpeed speeds;
  __GetMultiNetWorkSpeed(&lines, 5000, speeds);
  ASSERT_EQ(speeds.size(), 1u);
  EXPECT_NE(speeds[0]->ErrorNo, 0);
  EXPECT_EQ(speeds[0]->ErrorInfo, "服务器个数超过上限256");
  EXPECT_EQ(speeds[0]->NetDelay, 0);
  EXPECT_EQ(speeds[0]->ConnCount, 0);
  EXPECT_EQ(AutoSelectBestServer(&lines, 0, 0), 0);
  EXPECT_EQ(AutoSelectBestServer(&lines, 1, 0), 0);
  EXPECT_EQ(AutoSelectBestServer(nullptr, 0, 0), -1);
}

}  // namespace
}  // namespace ruzi
