#pragma once
// Median and 99th percentile of repeated timed calls, for the timing programs run under Wine
// (where Google Benchmark is not built).
#include <algorithm>
#include <chrono>
#include <type_traits>
#include <vector>

namespace ruzi::bench {

struct LatencyFigures {
  double median_us = -1;
  double p99_us = -1;
};

// Times of the calls, in microseconds; sorted in place.
inline LatencyFigures Summarise(std::vector<double>& times_us) {
  if (times_us.empty()) return {};
  std::sort(times_us.begin(), times_us.end());
  return {times_us[times_us.size() / 2], times_us[times_us.size() * 99 / 100]};
}

// Runs `call` and appends its duration in microseconds; false when the call failed.
template <typename Call>
bool TimeCall(std::vector<double>& times_us, Call&& call) {
  const auto start = std::chrono::steady_clock::now();
  if (!call()) return false;
  times_us.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
  return true;
}

}  // namespace ruzi::bench

namespace ruzi::bench {

// `count` timed runs of `call` (a call returning bool counts as failed on false: the figures
// are then -1).
template <typename Call>
LatencyFigures Measure(int count, Call&& call) {
  std::vector<double> times;
  times.reserve(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) {
    bool ok = TimeCall(times, [&] {
      if constexpr (std::is_void_v<decltype(call())>) {
        call();
        return true;
      } else {
        return static_cast<bool>(call());
      }
    });
    if (!ok) return {};
  }
  return Summarise(times);
}

}  // namespace ruzi::bench
