// Format, FormatFloat and the text-to-number parsers beside the C library (the reference):
// snprintf for the directives, snprintf "%.2f" for the amount picture (no grouping: the C
// library has no locale-free thousands separator), strtol and strtod for the parsers. After
// the runs the ratio of the times ours / C library is printed for each pair.
#include <benchmark/benchmark.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

#include "foundation/format.h"
#include "foundation/format_float.h"
#include "foundation/string_to_number.h"

namespace {

const double kAmounts[] = {1234567.891, 0.125, -98765.4321, 3.0, 42.42, 100000000.5, 0.001, 777.777};

void HeaderOurs(benchmark::State& state) {
  int i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(ruzi::Format("%5d\x01%10d\x01", {i & 0xFFFF, i++}));
}

void HeaderC(benchmark::State& state) {
  int i = 0;
  char buffer[64];
  for (auto _ : state) {
    std::snprintf(buffer, sizeof buffer, "%5d\x01%10d\x01", i & 0xFFFF, i);
    ++i;
    benchmark::DoNotOptimize(std::string(buffer));
  }
}

void FixedOurs(benchmark::State& state) {
  size_t i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(ruzi::Format("%.*f", {4, kAmounts[i++ % 8]}));
}

void FixedC(benchmark::State& state) {
  size_t i = 0;
  char buffer[64];
  for (auto _ : state) {
    std::snprintf(buffer, sizeof buffer, "%.*f", 4, kAmounts[i++ % 8]);
    benchmark::DoNotOptimize(std::string(buffer));
  }
}

void LogLineOurs(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(ruzi::Format("service %s returned %d: %s", {"RC_GetInitDateTime", -2, "连接失败"}));
  }
}

void LogLineC(benchmark::State& state) {
  char buffer[128];
  for (auto _ : state) {
    std::snprintf(buffer, sizeof buffer, "service %s returned %d: %s", "RC_GetInitDateTime", -2, "连接失败");
    benchmark::DoNotOptimize(std::string(buffer));
  }
}

void AmountOurs(benchmark::State& state) {
  size_t i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(ruzi::FormatFloat("#,##0.00", kAmounts[i++ % 8]));
}

void AmountC(benchmark::State& state) {
  size_t i = 0;
  char buffer[64];
  for (auto _ : state) {
    std::snprintf(buffer, sizeof buffer, "%.2f", kAmounts[i++ % 8]);
    benchmark::DoNotOptimize(std::string(buffer));
  }
}

const char* const kIntegers[] = {"0", "-17", "2147483647", "123456", "42", "-99999", "7", "1000000"};
const char* const kFloats[] = {"1234567.891", "0.125", "-98765.4321", "3", "42.42", "1e8", "0.001", "777.777"};

void IntOurs(benchmark::State& state) {
  size_t i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(ruzi::StrToInt(kIntegers[i++ % 8]));
}

void IntC(benchmark::State& state) {
  size_t i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(std::strtol(kIntegers[i++ % 8], nullptr, 10));
}

void FloatOurs(benchmark::State& state) {
  size_t i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(ruzi::StrToFloat(kFloats[i++ % 8]));
}

void FloatC(benchmark::State& state) {
  size_t i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(std::strtod(kFloats[i++ % 8], nullptr));
}

// Console output as usual, plus the time of every run kept for the ratios.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) nanoseconds_[run.benchmark_name()] = run.GetAdjustedCPUTime();
    ConsoleReporter::ReportRuns(runs);
  }

  void PrintRatios(const std::vector<std::string>& names) const {
    std::printf("\n%-24s %12s %12s %8s\n", "ns per call", "ours", "C library", "ratio");
    for (const std::string& name : names) {
      const auto ours = nanoseconds_.find(name + "/ours");
      const auto theirs = nanoseconds_.find(name + "/clib");
      if (ours == nanoseconds_.end() || theirs == nanoseconds_.end()) continue;
      std::printf("%-24s %12.1f %12.1f %8.2f\n", name.c_str(), ours->second, theirs->second,
                  ours->second / theirs->second);
    }
  }

 private:
  std::map<std::string, double> nanoseconds_;
};

}  // namespace

int main(int argc, char** argv) {
  std::setlocale(LC_ALL, "C");
  struct Pair {
    const char* name;
    void (*ours)(benchmark::State&);
    void (*clib)(benchmark::State&);
  };
  const Pair pairs[] = {{"header %5d%10d", HeaderOurs, HeaderC},   {"fixed %.*f", FixedOurs, FixedC},
                        {"log line %s %d %s", LogLineOurs, LogLineC}, {"amount #,##0.00", AmountOurs, AmountC},
                        {"StrToInt", IntOurs, IntC},                {"StrToFloat", FloatOurs, FloatC}};
  std::vector<std::string> names;
  for (const Pair& pair : pairs) {
    names.push_back(pair.name);
    benchmark::RegisterBenchmark((std::string(pair.name) + "/ours").c_str(), pair.ours);
    benchmark::RegisterBenchmark((std::string(pair.name) + "/clib").c_str(), pair.clib);
  }
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatios(names);
  benchmark::Shutdown();
  return 0;
}
