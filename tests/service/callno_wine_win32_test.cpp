// Function-number calls end to end: SDK packets from ztsdk.dll through wtuxws32.dll's
// tpcallSvrIdEx to ruzi-mwd and back as an SDK reader, in both packet versions.
#include <windows.h>

#include <gtest/gtest.h>

#include "library/unit_registry.h"
#include "mwd_server.h"
#include "platform/environment.h"
#include "service/call_service_id_packet.h"
#include "service/sdk_packer_calls.h"
#include "service/tuxedo_connection.h"
#include "service/tuxedo_entries.h"

namespace ruzi {
namespace {

class FunctionCalls : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_TRUE(UnitRegistry::Instance().StartAll()) << UnitRegistry::Instance().LastStartError(); }
  void SetUp() override {
    testing::UseFixtureServer();
    std::string message;
    ASSERT_EQ(TuxedoInit(message), 0) << message;
  }
  void TearDown() override { tpterm(); }
};

// Two rows of a fund number and a name, in the given packet version.
IF2Packer* FundRows(int32_t version, const std::string& marker) {
  IF2Packer* packer = GetPacker(version);
  packer->DefineField("l_fund_id", 'I', 10, 0);
  packer->DefineField("vc_fund_name", 'S', 64, 0);
  packer->PutInt(7);
  packer->PutStr(("红利精选" + marker).c_str());
  packer->PutInt(-12);
  packer->PutStr("");
  packer->FinishPack();
  return packer;
}

TEST_F(FunctionCalls, RoundTripInBothVersionsReleasingThePreviousReaderOnce) {
  IF2UnPacker* reader = nullptr;
  for (int32_t version : {1, 2, 2}) {
    IF2Packer* packer = FundRows(version, std::to_string(version));
    IF2UnPacker* previous = reader;
    if (previous != nullptr) {
      previous->AddRef();
      previous->AddRef();
    }
    std::string message;
    ASSERT_EQ(CallServiceId(9101, packer, reader, message, 30000, false, true), 0) << message;
    EXPECT_EQ(message, "功能号调用(tpcall:9101)!\r\n返回信息:功能号9101处理成功");
    ASSERT_NE(reader, nullptr);
    EXPECT_NE(reader, previous);
    EXPECT_EQ(reader->Version(), version) << "the reader of the packet's own version";
    EXPECT_EQ(reader->ReturnCode(), 2) << "the server decoded both rows";
    ASSERT_EQ(reader->RowCount(), 2);
    EXPECT_EQ(reader->IntByName("l_fund_id"), 7);
    EXPECT_STREQ(reader->StrByName("vc_fund_name"), ("红利精选" + std::to_string(version)).c_str());
    reader->NextRow();
    EXPECT_EQ(reader->IntByName("l_fund_id"), -12);
    EXPECT_STREQ(reader->StrByName("vc_fund_name"), "");
    if (previous != nullptr) {
      EXPECT_EQ(previous->Release(), 1u) << "the call released the previous reader exactly once";
      EXPECT_EQ(previous->Release(), 0u);
    }
    FreePacker(packer);
  }
  FreeUnPacker(reader);
}

TEST_F(FunctionCalls, MiddlewareFailuresKeepTheReader) {
  IF2Packer* packer = FundRows(2, "f");
  IF2UnPacker* reader = nullptr;
  std::string message;
  ASSERT_EQ(CallServiceId(9101, packer, reader, message, 30000, false, true), 0) << message;
  IF2UnPacker* held = reader;

  EXPECT_EQ(CallServiceId(9002, packer, reader, message, 30000, false, true), -1);
  EXPECT_EQ(message, "功能号9002处理失败: 演示错误");
  EXPECT_EQ(reader, held);
  EXPECT_EQ(CallServiceId(9002, packer, reader, message, 30000, true, true), -1);
  EXPECT_EQ(message, "<ErrCode>-1</ErrCode><ErrMsg>功能号9002处理失败: 演示错误</ErrMsg>");
  EXPECT_EQ(reader, held);
  EXPECT_EQ(held->RowCount(), 2) << "the held reader still reads its reply";

  tpterm();
  EXPECT_EQ(CallServiceId(9101, packer, reader, message, 30000, false, true), -1);
  EXPECT_FALSE(message.empty()) << "the client's text for a call without a connection";
  EXPECT_EQ(reader, held);
  FreeUnPacker(reader);
  FreePacker(packer);
}

}  // namespace
}  // namespace ruzi
