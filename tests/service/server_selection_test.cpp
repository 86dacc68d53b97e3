// The choice of the best measured server against a brute-force model over random measurements
// (server lines are split in svc_answers.txt and fuzzed).
#include <gtest/gtest.h>

#include <random>

#include "service/server_speed.h"

namespace ruzi {
namespace {

TArrRetNetWorkSpeed Speeds(const std::vector<std::pair<double, int32_t>>& rows) {
  TArrRetNetWorkSpeed speeds;
  for (auto [delay, count] : rows) {
    speeds.push_back(std::make_unique<TRetNetWorkSpeed>());
    speeds.back()->NetDelay = delay;
    speeds.back()->ConnCount = count;
  }
  return speeds;
}

// Model: the first index holding the smallest non-negative value (a refused measurement is
// one zero record, which both modes take).
TEST(ServerSelection, ChoiceMatchesModelOnRandomMeasurements) {
  // A nil list is not measured at all (natively the SDK is not even there to ask).
  EXPECT_EQ(AutoSelectBestServer(nullptr, 0, 0), -1);
  std::mt19937 random(11);
  for (int round = 0; round < 3000; ++round) {
    std::vector<std::pair<double, int32_t>> rows(random() % 6);
    for (auto& [delay, count] : rows) {
      delay = static_cast<double>(static_cast<int>(random() % 5) - 1) * 1.5;
      count = static_cast<int32_t>(random() % 5) - 1;
    }
    int32_t by_delay = -1;
    int32_t by_count = -1;
    for (size_t i = 0; i < rows.size(); ++i) {
      if (rows[i].first >= 0 && (by_delay < 0 || rows[i].first < rows[by_delay].first)) by_delay = static_cast<int32_t>(i);
      if (rows[i].second >= 0 && (by_count < 0 || rows[i].second < rows[by_count].second)) by_count = static_cast<int32_t>(i);
    }
    const TArrRetNetWorkSpeed speeds = Speeds(rows);
    EXPECT_EQ(SelectBestServer(speeds, 0), by_delay);
    EXPECT_EQ(SelectBestServer(speeds, 1), by_count);
  }
}

}  // namespace
}  // namespace ruzi
