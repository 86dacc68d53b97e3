// The asynchronous log writer beside spdlog's asynchronous logger (the reference), 1, 2 and 4
// producer threads, 100-byte lines, the two run alternately: the caller's cost per line
// (median and 99th percentile, beside the cost of the timing alone) and lines per second until
// every line is on disk. spdlog writes one plain file; ours writes
// the daily, size-rotated file. The ratios are printed after the runs (goals: caller median
// ours/spdlog <= 0.5, p99 ours/spdlog <= 1, lines per second ours/spdlog >= 1).
//
// Then 8 threads log a million numbered lines each and shut down; the file must hold every
// line once, each thread's in order (the concurrency test runs the same with fewer lines).
#define FMT_HEADER_ONLY
#include <benchmark/benchmark.h>
#include <spdlog/async.h>
#include <spdlog/sinks/basic_file_sink.h>
#include <spdlog/spdlog.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "foundation/write_log_ex.h"
#include "write_log_workload.h"

namespace {

constexpr int kCallerLines = 100000;      // per thread, per run
constexpr int kThroughputLines = 400000;  // in all, per run
constexpr size_t kSpdlogQueue = 1 << 19;  // room for a whole run: callers never block on it

std::string Folder(const std::string& name) {
  const std::string folder = "/tmp/ruzi-write-log-bench/" + name + "/";
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  return folder;
}

// Ours and spdlog's loggers behind the same two calls.
struct Subject {
  std::function<void(const std::string&)> log;
  std::function<void()> drain;
  std::function<void()> close;
};

Subject Ours() {
  auto writer = std::make_shared<ruzi::TqxWriteLogEx>("Bench", Folder("ours"), 4096, "");
  return {[writer](const std::string& line) { writer->AddLog(line); }, [writer] { writer->Shutdown(); },
          [writer]() mutable { writer.reset(); }};
}

Subject Spdlog() {
  auto pool = std::make_shared<spdlog::details::thread_pool>(kSpdlogQueue, 1);
  auto sink = std::make_shared<spdlog::sinks::basic_file_sink_mt>(Folder("spdlog") + "bench.log", true);
  auto logger = std::make_shared<spdlog::async_logger>("bench", sink, pool, spdlog::async_overflow_policy::block);
  logger->set_pattern("[%P]%Y-%m-%d %H:%M:%S.%e[%l][%t]: %v");
  return {[logger](const std::string& line) { logger->info("{}", line); },
          [logger, pool]() mutable {
            // The pool's destructor drains the queue and joins its thread.
            logger.reset();
            pool.reset();
          },
          [] {}};
}

std::map<std::string, double>& Results() {
  static std::map<std::string, double> results;
  return results;
}

// The timing itself: two clock reads around a call that does nothing. Both loggers pay it in
// every figure; it is printed so the ratios can be read with and without it.
Subject Nothing() {
  return {[](const std::string& line) { benchmark::DoNotOptimize(line.data()); }, [] {}, [] {}};
}

double Median(std::vector<double> values) {
  std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2), values.end());
  return values[values.size() / 2];
}

// Each iteration is a fresh logger timing 100,000 calls per thread; the median of the
// iterations' figures is kept.
void CallerCost(benchmark::State& state, Subject (*make)(), const char* name) {
  const int threads = static_cast<int>(state.range(0));
  std::vector<double> medians;
  std::vector<double> p99s;
  for (auto _ : state) {
    Subject subject = make();
    const ruzi::bench::CallerCost cost = ruzi::bench::MeasureCallerCost(threads, kCallerLines, subject.log);
    subject.drain();
    subject.close();
    medians.push_back(cost.median_ns);
    p99s.push_back(cost.p99_ns);
  }
  state.counters["median_ns"] = Median(medians);
  state.counters["p99_ns"] = Median(p99s);
  Results()[std::string(name) + " median " + std::to_string(threads)] = Median(medians);
  Results()[std::string(name) + " p99 " + std::to_string(threads)] = Median(p99s);
}

void LinesPerSecond(benchmark::State& state, Subject (*make)(), const char* name) {
  const int threads = static_cast<int>(state.range(0));
  std::vector<double> rates;
  for (auto _ : state) {
    Subject subject = make();
    rates.push_back(
        ruzi::bench::MeasureLinesPerSecond(threads, kThroughputLines / threads, subject.log, subject.drain));
    subject.close();
  }
  state.counters["lines_per_s"] = Median(rates);
  Results()[std::string(name) + " rate " + std::to_string(threads)] = Median(rates);
}

// Ours and spdlog alternately, for each count of producers, so a change in the machine's load
// falls on both.
void RegisterComparisons() {
  for (int threads : {1, 2, 4}) {
    benchmark::RegisterBenchmark("CallerCost/timing_only", CallerCost, &Nothing, "timing")
        ->Arg(threads)->Iterations(5)->UseRealTime();
    for (auto [make, name] : {std::pair{&Ours, "ours"}, std::pair{&Spdlog, "spdlog"}}) {
      benchmark::RegisterBenchmark((std::string("CallerCost/") + name).c_str(), CallerCost, make, name)
          ->Arg(threads)->Iterations(5)->UseRealTime();
    }
    for (auto [make, name] : {std::pair{&Ours, "ours"}, std::pair{&Spdlog, "spdlog"}}) {
      benchmark::RegisterBenchmark((std::string("LinesPerSecond/") + name).c_str(), LinesPerSecond, make, name)
          ->Arg(threads)->Iterations(3)->UseRealTime();
    }
  }
}

// Lines lost, doubled or out of order in the file of `threads` threads logging `lines` each.
int64_t Misplaced(const std::string& file, int threads, int lines) {
  std::ifstream in(file, std::ios::binary);
  std::vector<int> next(static_cast<size_t>(threads), 0);
  int64_t misplaced = 0;
  std::string line;
  while (std::getline(in, line)) {
    const size_t text = line.find("]: t");
    if (text == std::string::npos) {
      ++misplaced;
      continue;
    }
    const int thread = std::atoi(line.c_str() + text + 4);
    const int number = std::atoi(line.c_str() + line.find(" n", text) + 2);
    if (thread < 0 || thread >= threads || number != next[static_cast<size_t>(thread)]) ++misplaced;
    if (thread >= 0 && thread < threads) next[static_cast<size_t>(thread)] = number + 1;
  }
  for (int count : next) misplaced += lines - count;
  return misplaced;
}

void EightThreadsMillionLinesEach(benchmark::State& state) {
  constexpr int kThreads = 8;
  constexpr int kLines = 1000000;
  int64_t misplaced = -1;
  double rate = 0;
  for (auto _ : state) {
    const std::string folder = Folder("million");
    ruzi::TqxWriteLogEx writer("Million", folder, 4096, "");
    const auto start = std::chrono::steady_clock::now();
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
      threads.emplace_back([&writer, t] {
        const std::string prefix = "t" + std::to_string(t) + " n";
        for (int n = 0; n < kLines; ++n) writer.AddLog(prefix + std::to_string(n));
      });
    }
    for (auto& thread : threads) thread.join();
    writer.Shutdown();
    rate = kThreads * static_cast<double>(kLines) /
           std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
      misplaced = Misplaced(entry.path().string(), kThreads, kLines);
    }
    std::filesystem::remove_all(folder);
  }
  state.counters["lines_per_s"] = rate;
  state.counters["lost_doubled_or_out_of_order"] = static_cast<double>(misplaced);
  Results()["million misplaced"] = static_cast<double>(misplaced);
}

BENCHMARK(EightThreadsMillionLinesEach)->Iterations(1)->UseRealTime()->Unit(benchmark::kMillisecond);

void PrintRatios() {
  auto& r = Results();
  std::printf("\nproducers  caller median ns (ours/spdlog)  p99 ns (ours/spdlog)  lines/s (ours/spdlog)"
              "  timing alone median ns, median ratio without it\n");
  std::printf("goals: median ratio <= 0.5, p99 ours <= spdlog, lines/s ratio >= 1\n");
  for (int threads : {1, 2, 4}) {
    const std::string t = std::to_string(threads);
    const double timing = r["timing median " + t];
    std::printf("%9d  %8.0f / %-8.0f ratio %.2f  %7.0f / %-7.0f  %9.0f / %-9.0f ratio %.2f  %6.0f  %.2f\n", threads,
                r["ours median " + t], r["spdlog median " + t], r["ours median " + t] / r["spdlog median " + t],
                r["ours p99 " + t], r["spdlog p99 " + t], r["ours rate " + t], r["spdlog rate " + t],
                r["ours rate " + t] / r["spdlog rate " + t], timing,
                (r["ours median " + t] - timing) / (r["spdlog median " + t] - timing));
  }
  if (r.count("million misplaced") != 0) {
    std::printf("8 threads x 1e6 lines: %.0f lost, doubled or out of order\n", r["million misplaced"]);
  }
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  RegisterComparisons();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  PrintRatios();
  std::filesystem::remove_all("/tmp/ruzi-write-log-bench");
  return 0;
}
