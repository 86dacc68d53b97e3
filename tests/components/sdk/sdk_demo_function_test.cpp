// ruzi-mwd's function 9101 reads an SDK packet and answers its rows in the version sent.
#include <gtest/gtest.h>

#include <random>

#include "error_numbers.h"
#include "mwd_process.h"
#include "random_table.h"

namespace ruzi::testing {
namespace {

TEST(SdkDemoFunction, RowsComeBackInTheVersionSentAndANonPacketFailsWithTheReadersMessage) {
  MwdProcess server("sdk-demo");
  auto client = SignedOnClient(server.Port(), "sdk");
  auto call = [&](const std::string& data) {
    mw::CallRequest request{};
    request.kind = mw::CallKind::ByFunction;
    request.number = 9101;
    request.data = data;
    EXPECT_TRUE(client.Send(request, 5));
    auto answer = client.Receive(5000);
    EXPECT_TRUE(answer.has_value());
    return answer.value_or(mw::Message{});
  };
  std::mt19937 random(11);
  for (int round = 0; round < 40; ++round) {
    TableModel table = RandomTable(random, 1 + round % 2, 20);
    sdk::PacketWriter writer(table.version);
    WriteTable(table, writer);
    auto answer = call(std::string(writer.Data(), writer.Size()));
    const auto* reply = std::get_if<mw::CallReply>(&answer);
    ASSERT_NE(reply, nullptr);
    EXPECT_EQ(reply->message, "功能号9101处理成功");
    sdk::PacketReader reader;
    reader.Open(reply->data.data(), reply->data.size());
    table.return_code = static_cast<int32_t>(table.rows.size());  // the server's row count
    ExpectSameTable(table, reader, "round " + std::to_string(round));
  }
  auto answer = call("this text is not an SDK packet");
  const auto* error = std::get_if<mw::ErrorReply>(&answer);
  ASSERT_NE(error, nullptr);
  EXPECT_EQ(error->error_number, mw::kMwServiceFail);
  EXPECT_EQ(error->text, "功能号9101处理失败: 数据包格式不正确: 版本不正确");
}

}  // namespace
}  // namespace ruzi::testing
