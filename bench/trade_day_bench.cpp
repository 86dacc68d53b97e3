// The cache's trade-day questions (qualifying-day arrays, binary searches) beside the
// reference a plain cache would use: a walk day by day asking the calendar for each day.
// Calendar: 16 years, weekends and a week a year closed. After the runs the ratio of the
// times ours / walk is printed for each question.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "foundation/int_date.h"
#include "trading/cache/trade_calendar.h"

namespace {

const ruzi::TradeDayBook& Book() {
  static const ruzi::TradeDayBook book = [] {
    std::vector<ruzi::CalendarDay> days;
    int weekday = 3;  // 2020-01-01 was a Wednesday
    for (int32_t date = 20200101; date <= 20351231; date = ruzi::IncIntDate(date, 1), weekday = (weekday + 1) % 7) {
      const bool closed = weekday == 0 || weekday == 6 || (date % 10000 >= 1001 && date % 10000 <= 1007);
      days.push_back({date, closed ? 0u : 0b1011u});
    }
    std::map<std::string, ruzi::TradeCalendar> calendars;
    calendars.emplace("00", ruzi::TradeCalendar(std::move(days)));
    return ruzi::TradeDayBook(std::move(calendars));
  }();
  return book;
}

int32_t StartDate(size_t i) { return ruzi::IncIntDate(20210104, static_cast<int32_t>((i * 37) % 3000)); }

// The reference: off qualifying days forward, one calendar day at a time.
int32_t WalkShift(const ruzi::TradeCalendar& calendar, int32_t date, int32_t off) {
  int32_t moved = 0;
  while (date <= calendar.LastDate()) {
    date = ruzi::IncIntDate(date, 1);
    if ((calendar.KindsOf(date) & 1u) != 0 && ++moved == off) return date;
  }
  return -1;
}

int32_t WalkCount(const ruzi::TradeCalendar& calendar, int32_t from, int32_t to) {
  int32_t count = 0;
  for (int32_t date = from; date <= to; date = ruzi::IncIntDate(date, 1)) count += calendar.KindsOf(date) & 1u;
  return count;
}

void ShiftOurs(benchmark::State& state) {
  auto days = Book().Days({"00"}, 1);
  size_t i = 0;
  const auto off = static_cast<int32_t>(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(days->Shift(StartDate(i++), off, nullptr));
}

void ShiftWalk(benchmark::State& state) {
  const ruzi::TradeCalendar& calendar = *Book().Calendar("00");
  size_t i = 0;
  const auto off = static_cast<int32_t>(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(WalkShift(calendar, StartDate(i++), off));
}

void CountOurs(benchmark::State& state) {
  auto days = Book().Days({"00"}, 1);
  const auto span = static_cast<int32_t>(state.range(0));
  size_t i = 0;
  for (auto _ : state) {
    int32_t from = StartDate(i++);
    benchmark::DoNotOptimize(days->Count(from, ruzi::IncIntDate(from, span), 3));
  }
}

void CountWalk(benchmark::State& state) {
  const ruzi::TradeCalendar& calendar = *Book().Calendar("00");
  const auto span = static_cast<int32_t>(state.range(0));
  size_t i = 0;
  for (auto _ : state) {
    int32_t from = StartDate(i++);
    benchmark::DoNotOptimize(WalkCount(calendar, from, ruzi::IncIntDate(from, span)));
  }
}

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) nanoseconds_[run.benchmark_name()] = run.GetAdjustedCPUTime();
    ConsoleReporter::ReportRuns(runs);
  }
  void PrintRatios() const {
    std::printf("\n%-16s %12s %12s %8s\n", "ns per call", "ours", "walk", "ratio");
    for (const char* name : {"shift/1", "shift/20", "shift/250", "count/365"}) {
      std::string base(name);
      size_t slash = base.find('/');
      auto ours = nanoseconds_.find(base.substr(0, slash) + "_ours" + base.substr(slash));
      auto walk = nanoseconds_.find(base.substr(0, slash) + "_walk" + base.substr(slash));
      if (ours == nanoseconds_.end() || walk == nanoseconds_.end()) continue;
      std::printf("%-16s %12.1f %12.1f %8.3f\n", name, ours->second, walk->second, ours->second / walk->second);
    }
  }

 private:
  std::map<std::string, double> nanoseconds_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::RegisterBenchmark("shift_ours", ShiftOurs)->Arg(1)->Arg(20)->Arg(250);
  benchmark::RegisterBenchmark("shift_walk", ShiftWalk)->Arg(1)->Arg(20)->Arg(250);
  benchmark::RegisterBenchmark("count_ours", CountOurs)->Arg(365);
  benchmark::RegisterBenchmark("count_walk", CountWalk)->Arg(365);
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatios();
  benchmark::Shutdown();
  return 0;
}
