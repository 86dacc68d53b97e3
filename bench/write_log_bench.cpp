// The asynchronous log writer beside spdlog's asynchronous logger (the reference), 1, 2 and 4
// producer threads, 100-byte lines: the caller's cost per line (median and 99th percentile)
// and lines per second until every line is on disk. spdlog writes one plain file; ours writes
// the daily, size-rotated file. The ratios are printed after the runs (goals: caller median
// ours/spdlog <= 1, lines per second ours/spdlog >= 0.5).
#define FMT_HEADER_ONLY
#include <benchmark/benchmark.h>
#include <spdlog/async.h>
#include <spdlog/sinks/basic_file_sink.h>
#include <spdlog/spdlog.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <string>

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

void CallerCost(benchmark::State& state, Subject (*make)(), const char* name) {
  const int threads = static_cast<int>(state.range(0));
  ruzi::bench::CallerCost cost;
  for (auto _ : state) {
    Subject subject = make();
    cost = ruzi::bench::MeasureCallerCost(threads, kCallerLines, subject.log);
    subject.drain();
    subject.close();
  }
  state.counters["median_ns"] = cost.median_ns;
  state.counters["p99_ns"] = cost.p99_ns;
  Results()[std::string(name) + " median " + std::to_string(threads)] = cost.median_ns;
  Results()[std::string(name) + " p99 " + std::to_string(threads)] = cost.p99_ns;
}

void LinesPerSecond(benchmark::State& state, Subject (*make)(), const char* name) {
  const int threads = static_cast<int>(state.range(0));
  double rate = 0;
  for (auto _ : state) {
    Subject subject = make();
    rate = ruzi::bench::MeasureLinesPerSecond(threads, kThroughputLines / threads, subject.log, subject.drain);
    subject.close();
  }
  state.counters["lines_per_s"] = rate;
  Results()[std::string(name) + " rate " + std::to_string(threads)] = rate;
}

BENCHMARK_CAPTURE(CallerCost, ours, &Ours, "ours")->Arg(1)->Arg(2)->Arg(4)->Iterations(3)->UseRealTime();
BENCHMARK_CAPTURE(CallerCost, spdlog, &Spdlog, "spdlog")->Arg(1)->Arg(2)->Arg(4)->Iterations(3)->UseRealTime();
BENCHMARK_CAPTURE(LinesPerSecond, ours, &Ours, "ours")->Arg(1)->Arg(2)->Arg(4)->Iterations(3)->UseRealTime();
BENCHMARK_CAPTURE(LinesPerSecond, spdlog, &Spdlog, "spdlog")->Arg(1)->Arg(2)->Arg(4)->Iterations(3)->UseRealTime();

void PrintRatios() {
  auto& r = Results();
  std::printf("\nproducers  caller median ns (ours/spdlog)  p99 ns (ours/spdlog)  lines/s (ours/spdlog)\n");
  for (int threads : {1, 2, 4}) {
    const std::string t = std::to_string(threads);
    std::printf("%9d  %8.0f / %-8.0f ratio %.2f  %7.0f / %-7.0f  %9.0f / %-9.0f ratio %.2f\n", threads,
                r["ours median " + t], r["spdlog median " + t], r["ours median " + t] / r["spdlog median " + t],
                r["ours p99 " + t], r["spdlog p99 " + t], r["ours rate " + t], r["spdlog rate " + t],
                r["ours rate " + t] / r["spdlog rate " + t]);
  }
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  PrintRatios();
  std::filesystem::remove_all("/tmp/ruzi-write-log-bench");
  return 0;
}
