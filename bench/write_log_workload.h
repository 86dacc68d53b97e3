#pragma once
// The log writer's workload, shared by the native benchmark and the Wine timing executable:
// 100-byte lines from P producer threads, the caller's cost of each call timed one by one,
// and the time until every line is on disk.
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace ruzi::bench {

inline std::string HundredByteLine() {
  std::string line = "order 600000.SH qty 1000 price 10.25 fund F001 portfolio P0001 trader T42 ";
  while (line.size() < 100) line.push_back(static_cast<char>('a' + line.size() % 26));
  return line;
}

struct CallerCost {
  double median_ns = 0;
  double p99_ns = 0;
};

// Times each call of `log` on every thread; the percentiles are over all calls together.
inline CallerCost MeasureCallerCost(int threads, int lines_per_thread, const std::function<void(const std::string&)>& log) {
  const std::string line = HundredByteLine();
  std::vector<std::vector<uint32_t>> costs(static_cast<size_t>(threads));
  std::vector<std::thread> producers;
  for (int t = 0; t < threads; ++t) {
    producers.emplace_back([&, t] {
      auto& mine = costs[static_cast<size_t>(t)];
      mine.reserve(static_cast<size_t>(lines_per_thread));
      for (int n = 0; n < lines_per_thread; ++n) {
        const auto start = std::chrono::steady_clock::now();
        log(line);
        const auto stop = std::chrono::steady_clock::now();
        mine.push_back(static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(stop - start).count()));
      }
    });
  }
  for (auto& producer : producers) producer.join();
  std::vector<uint32_t> all;
  for (auto& mine : costs) all.insert(all.end(), mine.begin(), mine.end());
  auto at = [&all](double fraction) {
    auto nth = all.begin() + static_cast<std::ptrdiff_t>(fraction * static_cast<double>(all.size() - 1));
    std::nth_element(all.begin(), nth, all.end());
    return static_cast<double>(*nth);
  };
  return {at(0.5), at(0.99)};
}

// Lines per second from the first call until drain() returns with everything on disk.
inline double MeasureLinesPerSecond(int threads, int lines_per_thread, const std::function<void(const std::string&)>& log,
                                    const std::function<void()>& drain) {
  const std::string line = HundredByteLine();
  const auto start = std::chrono::steady_clock::now();
  std::vector<std::thread> producers;
  for (int t = 0; t < threads; ++t) {
    producers.emplace_back([&] {
      for (int n = 0; n < lines_per_thread; ++n) log(line);
    });
  }
  for (auto& producer : producers) producer.join();
  drain();
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  return static_cast<double>(threads) * lines_per_thread / seconds;
}

}  // namespace ruzi::bench
