// The log writer's figures under Wine: caller cost per 100-byte line (median and 99th
// percentile) and lines per second until every line is on disk, for 1, 2 and 4 producers.
// spdlog has no Windows build here; its figures come from the native benchmark of the same
// workload. The raw baseline of the same run is a bare push of a heap string onto a locked
// deque, the least any handover between threads can cost.
#include <cstdio>
#include <deque>
#include <filesystem>
#include <memory>
#include <mutex>
#include <string>

#include "foundation/write_log_ex.h"
#include "write_log_workload.h"

int main() {
  const std::string root = (std::filesystem::temp_directory_path() / "ruzi-write-log-timing").string() + "\\";
  std::printf("producers  caller median ns  p99 ns  baseline median ns  lines/s\n");
  for (int threads : {1, 2, 4}) {
    std::filesystem::remove_all(root);
    ruzi::bench::CallerCost cost;
    {
      ruzi::TqxWriteLogEx writer("Timing", root, 4096, "");
      cost = ruzi::bench::MeasureCallerCost(threads, 100000, [&writer](const std::string& line) { writer.AddLog(line); });
      writer.Shutdown();
    }
    std::mutex lock;
    std::deque<std::string*> queue;
    const ruzi::bench::CallerCost baseline =
        ruzi::bench::MeasureCallerCost(threads, 100000, [&](const std::string& line) {
          auto* copy = new std::string(line);
          std::lock_guard guard(lock);
          queue.push_back(copy);
        });
    for (std::string* item : queue) delete item;
    std::filesystem::remove_all(root);
    double rate = 0;
    {
      ruzi::TqxWriteLogEx writer("Timing", root, 4096, "");
      rate = ruzi::bench::MeasureLinesPerSecond(
          threads, 400000 / threads, [&writer](const std::string& line) { writer.AddLog(line); },
          [&writer] { writer.Shutdown(); });
    }
    std::printf("%9d  %16.0f  %6.0f  %18.0f  %7.0f\n", threads, cost.median_ns, cost.p99_ns, baseline.median_ns, rate);
  }
  std::filesystem::remove_all(root);
  return 0;
}
