// The shared log's figures under Wine: qxWriteLog(Level, Text, LogType) through pubfunmodel.dll
// beside the log writer's own AddLog, 100-byte lines from 1 and 4 threads: the caller's cost
// per line (median) and lines per second until every line is on disk.
// pubfunmodel.dll keeps one writer per process and its drain is final, so every figure is taken
// in a fresh process of this program ("<threads> cost|rate qx|addlog" prints one number); run
// without arguments it starts those processes and prints the table.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "foundation/write_log_ex.h"
#include "platform/dynamic_library.h"
#include "platform/paths.h"
#include "service/qx_comm.h"
#include "write_log_workload.h"

namespace {

constexpr int kCostLines = 100000;
constexpr int kRateLines = 400000;
// The clock under Wine ticks in steps of hundreds of nanoseconds: each timing covers this many
// calls, and the median is of those timings divided by it.
constexpr int kCallsPerTiming = 32;

template <typename Log>
double MedianCallerCost(int threads, Log log) {
  auto batch = [&log](const std::string& line) {
    for (int i = 0; i < kCallsPerTiming; ++i) log(line);
  };
  return ruzi::bench::MeasureCallerCost(threads, kCostLines / kCallsPerTiming, batch).median_ns / kCallsPerTiming;
}

void DrainPubfun() {
  auto module = ruzi::platform::DynamicLibrary::Loaded("pubfunmodel.dll");
  if (auto drain = module.ExportAs<void (*)()>("PubFunShutdown")) drain();
}

double Figure(int threads, const std::string& metric, const std::string& road) {
  const std::string root = ruzi::platform::ExecutableDirectory() + "Logs\\";
  if (road == "qx") {
    auto log = [](const std::string& line) { ruzi::qxWriteLog(0, line, ruzi::ltPublic); };
    log("first line binds the module");
    if (metric == "cost") return MedianCallerCost(threads, log);
    return ruzi::bench::MeasureLinesPerSecond(threads, kRateLines / threads, log, DrainPubfun);
  }
  ruzi::TqxWriteLogEx writer("Timing", root, 4096, "");
  auto log = [&writer](const std::string& line) { writer.AddLog(line); };
  if (metric == "cost") return MedianCallerCost(threads, log);
  return ruzi::bench::MeasureLinesPerSecond(threads, kRateLines / threads, log, [&writer] { writer.Shutdown(); });
}

// One figure from a fresh process of this program.
double FigureInChild(const char* self, int threads, const char* metric, const char* road) {
  const std::string command = "\"" + std::string(self) + "\" " + std::to_string(threads) + " " + metric + " " + road;
  FILE* child = _popen(command.c_str(), "r");
  if (child == nullptr) return -1;
  double value = -1;
  if (std::fscanf(child, "%lf", &value) != 1) value = -1;
  _pclose(child);
  return value;
}

void RemoveLogs() {
  std::error_code ignored;
  std::filesystem::remove_all(ruzi::platform::ExecutableDirectory() + "Logs", ignored);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4) {
    std::printf("%.1f\n", Figure(std::atoi(argv[1]), argv[2], argv[3]));
    return 0;
  }
  std::printf("threads  qxWriteLog median ns  AddLog median ns  ratio  qxWriteLog lines/s  AddLog lines/s  ratio\n");
  for (int threads : {1, 4}) {
    double figures[4];
    const char* runs[4][2] = {{"cost", "qx"}, {"cost", "addlog"}, {"rate", "qx"}, {"rate", "addlog"}};
    for (int i = 0; i < 4; ++i) {
      RemoveLogs();
      figures[i] = FigureInChild(argv[0], threads, runs[i][0], runs[i][1]);
    }
    std::printf("%7d  %20.1f  %16.1f  %5.2f  %18.0f  %14.0f  %5.2f\n", threads, figures[0], figures[1],
                figures[0] / figures[1], figures[2], figures[3], figures[2] / figures[3]);
  }
  RemoveLogs();
  return 0;
}
