#include "speed_checks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <numeric>

namespace ruzi::testing {

SpeedAnswer MeasureSpeeds(const SpeedEntries& sdk, const std::vector<std::string>& servers, uint32_t timeout_ms) {
  sdk::IF2Packer* request = sdk.new_packer(2);
  request->StartPack();
  request->DefineField("address", 'S', 255, 4);
  request->DefineField("port", 'S', 255, 4);
  for (const std::string& line : servers) {
    const size_t colon = line.rfind(':');
    request->PutStr(line.substr(0, colon).c_str());
    request->PutStr(line.substr(colon + 1).c_str());
  }
  request->FinishPack();
  sdk::IF2Packer* answer = sdk.new_packer(2);
  answer->StartPack();

  SpeedAnswer result;
  const auto start = std::chrono::steady_clock::now();
  result.status = sdk.get_multi_speed(request->OpenAsReader(), answer, timeout_ms);
  result.elapsed_ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  answer->FinishPack();
  sdk::IF2UnPacker* reader = answer->OpenAsReader();
  reader->GoFirst();
  if (result.status != 0) {
    result.error_no = reader->IntByName("error_no");
    result.error_info = reader->StrByName("error_info");
  } else {
    for (int32_t row = 0; row < reader->RowCount(); ++row) {
      SpeedRow speed;
      speed.address = reader->StrByName("address");
      speed.port = reader->StrByName("port");
      speed.conn_count = reader->IntByName("conn_count");
      speed.net_delay = reader->DoubleByName("net_delay");
      speed.last_error = reader->IntByName("last_error");
      result.rows.push_back(speed);
      reader->NextRow();
    }
  }
  for (sdk::IF2Packer* packer : {request, answer}) {
    packer->ReleaseBuffer(packer->PackBuffer());
    packer->Release();
  }
  return result;
}

void ExpectRankedByDelay(const SpeedAnswer& answer, const std::vector<int>& delays_ms) {
  ASSERT_EQ(answer.status, 0);
  ASSERT_EQ(answer.rows.size(), delays_ms.size());
  for (size_t i = 0; i < delays_ms.size(); ++i) {
    SCOPED_TRACE("server " + std::to_string(i));
    EXPECT_EQ(answer.rows[i].last_error, 0);
    EXPECT_GE(answer.rows[i].conn_count, 0);
    EXPECT_GE(answer.rows[i].net_delay, delays_ms[i]);
    EXPECT_LT(answer.rows[i].net_delay, delays_ms[i] + 100.0);
  }
  std::vector<size_t> by_delay(delays_ms.size());
  std::iota(by_delay.begin(), by_delay.end(), 0);
  std::vector<size_t> by_measure = by_delay;
  std::sort(by_delay.begin(), by_delay.end(), [&](size_t a, size_t b) { return delays_ms[a] < delays_ms[b]; });
  std::sort(by_measure.begin(), by_measure.end(),
            [&](size_t a, size_t b) { return answer.rows[a].net_delay < answer.rows[b].net_delay; });
  EXPECT_EQ(by_measure, by_delay);
  const int slowest = *std::max_element(delays_ms.begin(), delays_ms.end());
  const int sum = std::accumulate(delays_ms.begin(), delays_ms.end(), 0);
  EXPECT_GE(answer.elapsed_ms, slowest);
  EXPECT_LT(answer.elapsed_ms, (slowest + sum) / 2.0) << "probes ran one after another";
}

void ExpectUnreachableWithinTheTimeOut(const SpeedAnswer& answer, uint32_t timeout_ms, double slack_ms) {
  constexpr int32_t kTimedOut = 10060;  // WSAETIMEDOUT, the probe's number on both systems
  ASSERT_EQ(answer.status, 0);
  ASSERT_EQ(answer.rows.size(), 5u);
  EXPECT_LT(answer.rows[1].net_delay, 0);
  EXPECT_EQ(answer.rows[1].conn_count, -1);
  EXPECT_EQ(answer.rows[1].last_error, kTimedOut);
  EXPECT_LT(answer.rows[4].net_delay, 0);
  EXPECT_NE(answer.rows[4].last_error, 0);
  for (size_t live : {0u, 2u, 3u}) EXPECT_EQ(answer.rows[live].last_error, 0) << live;
  EXPECT_GE(answer.elapsed_ms, timeout_ms - 50.0);
  EXPECT_LT(answer.elapsed_ms, timeout_ms + slack_ms) << "the time-out bounds the whole measurement";
}

}  // namespace ruzi::testing
