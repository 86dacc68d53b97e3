// The SDK from many threads at once (run under TSan too): measurements that overlap, each
// with its own probe threads, and reference counts moved from several threads.
#include <gtest/gtest.h>
#include <unistd.h>

#include <thread>
#include <vector>

#include "mwd_process.h"
#include "speed_checks.h"
#include "ztsdk.h"

namespace ruzi::testing {
namespace {

TEST(SdkConcurrency, OverlappingMeasurementsEachGetEveryServerAndTheBytesAddUp) {
  std::vector<std::unique_ptr<MwdProcess>> servers;
  std::vector<std::string> lines;
  for (int delay : {20, 60}) {
    servers.push_back(std::make_unique<MwdProcess>("sdk-overlap-" + std::to_string(delay) + "-" + std::to_string(::getpid()),
                                                   std::vector<std::string>{"--delay-ms", std::to_string(delay)}));
    lines.push_back("127.0.0.1:" + std::to_string(servers.back()->Port()));
  }
  constexpr int kThreads = 8;
  ReSetRateBytes();
  std::vector<SpeedAnswer> answers(kThreads);
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([&, t] { answers[t] = MeasureSpeeds(SpeedEntries{NewPacker, GetMultiNetWorkSpeed}, lines, 10000); });
  }
  for (std::thread& thread : threads) thread.join();
  for (const SpeedAnswer& answer : answers) {
    ASSERT_EQ(answer.rows.size(), 2u);
    EXPECT_EQ(answer.rows[0].last_error, 0);
    EXPECT_EQ(answer.rows[1].last_error, 0);
    EXPECT_GE(answer.rows[0].net_delay, 20);  // each row its own server's delay at least (a bound
    EXPECT_GE(answer.rows[1].net_delay, 60);  // that holds however loaded the machine is)
  }
  int32_t sent = 0;
  int32_t received = 0;
  GetRateBytes(&sent, &received);
  EXPECT_EQ(sent, kThreads * 2 * 12);
  EXPECT_EQ(received, kThreads * 2 * 20);
}

TEST(SdkConcurrency, ReferencesTakenAndDroppedOnManyThreadsFreeTheObjectOnce) {
  IF2Packer* packer = NewPacker(2);
  packer->DefineField("a", 'I', 4, 0);
  packer->PutInt(5);
  IF2UnPacker* reader = NewUnPacker(packer->PackBuffer(), static_cast<uint32_t>(packer->PackLength()));
  ASSERT_NE(reader, nullptr);
  std::vector<std::thread> threads;
  for (int t = 0; t < 8; ++t) {
    threads.emplace_back([reader] {
      for (int i = 0; i < 20000; ++i) {
        reader->AddRef();
        reader->Release();
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  EXPECT_EQ(reader->AddRef(), 2u);
  EXPECT_EQ(reader->Release(), 1u);
  EXPECT_EQ(reader->Release(), 0u);
  packer->Release();
}

}  // namespace
}  // namespace ruzi::testing
