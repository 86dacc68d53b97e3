#include "speed_checks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

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

void ExpectUnreachableWithinTheTimeOut(const SpeedAnswer& answer, size_t silent, size_t closed, uint32_t timeout_ms,
                                       double slack_ms) {
  constexpr int32_t kTimedOut = 10060;  // WSAETIMEDOUT, the probe's number on both systems
  ASSERT_EQ(answer.status, 0);
  ASSERT_GT(answer.rows.size(), std::max(silent, closed));
  EXPECT_LT(answer.rows[silent].net_delay, 0);
  EXPECT_EQ(answer.rows[silent].conn_count, -1);
  EXPECT_EQ(answer.rows[silent].last_error, kTimedOut);
  EXPECT_LT(answer.rows[closed].net_delay, 0);
  EXPECT_NE(answer.rows[closed].last_error, 0);
  for (size_t row = 0; row < answer.rows.size(); ++row) {
    EXPECT_TRUE(row == silent || row == closed || answer.rows[row].last_error == 0) << row;
  }
  EXPECT_GE(answer.elapsed_ms, timeout_ms - 50.0);
  EXPECT_LT(answer.elapsed_ms, timeout_ms + slack_ms) << "the time-out bounds the whole measurement";
}

}  // namespace ruzi::testing
