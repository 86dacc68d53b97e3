// ruzi-mwd's function 9101 reads an SDK packet and answers its rows in the version sent.
#include <gtest/gtest.h>

#include <random>

#include "error_numbers.h"
#include "mwd_process.h"
#include "random_table.h"

namespace ruzi::testing {
namespace {

mw::CallRequest FunctionCall(std::string data) {
  mw::CallRequest call;
  call.kind = mw::CallKind::ByFunction;
  call.number = 9101;
  call.data = std::move(data);
  return call;
}

TEST(SdkDemoFunction, RowsComeBackInTheVersionSentAndANonPacketFailsWithTheReadersMessage) {
  MwdProcess server("sdk-demo");
  auto client = SignedOnClient(server.Port(), "sdk");
  std::mt19937 random(11);
  for (int round = 0; round < 20; ++round) {
    for (int version : {1, 2}) {
      TableModel table = RandomTable(random, version, 20);
      sdk::PacketWriter writer(version);
      WriteTable(table, writer);
      ASSERT_TRUE(client.Send(FunctionCall(std::string(writer.Data(), writer.Size())), 5));
      auto answer = client.Receive(5000);
      ASSERT_TRUE(answer.has_value());
      const auto* reply = std::get_if<mw::CallReply>(&*answer);
      ASSERT_NE(reply, nullptr);
      EXPECT_EQ(reply->message, "功能号9101处理成功");
      sdk::PacketReader reader;
      reader.Open(reply->data.data(), reply->data.size());
      table.return_code = static_cast<int32_t>(table.rows.size());  // the server's row count
      ExpectSameTable(table, reader, "round " + std::to_string(round));
    }
  }
  // A request that is no packet fails with the reader's message.
  ASSERT_TRUE(client.Send(FunctionCall("this text is not an SDK packet"), 6));
  auto answer = client.Receive(5000);
  ASSERT_TRUE(answer.has_value());
  const auto* error = std::get_if<mw::ErrorReply>(&*answer);
  ASSERT_NE(error, nullptr);
  EXPECT_EQ(error->error_number, mw::kMwServiceFail);
  EXPECT_EQ(error->text, "功能号9101处理失败: 数据包格式不正确: 版本不正确");
}

}  // namespace
}  // namespace ruzi::testing
