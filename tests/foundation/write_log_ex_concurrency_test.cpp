// The log writer with its real threads and real files: many producers, every line exactly
// once and in its thread's order in the right file; the count of unwritten lines tells the
// truth; the end step and the shutdown lose nothing; each line carries the time of its call.
// (The benchmark runs 8 threads of a million lines each through the same check.)
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "foundation/date_time_value.h"
#include "foundation/file_backed_list.h"
#include "foundation/log_writer_seams.h"
#include "foundation/write_log_ex.h"
#include "platform/clock.h"
#include "platform/file_system.h"
#include "test_paths.h"

namespace ruzi {
namespace {

#if defined(__SANITIZE_THREAD__)
constexpr int kLinesPerThread = 5000;  // per round; TSan is an order of magnitude slower
#else
constexpr int kLinesPerThread = 25000;
#endif

std::vector<std::string> LogLines(const std::string& file) {
  return SplitFileLines(platform::SystemFileSystem().ReadWholeFile(file).value_or(""));
}

TEST(WriteLogExConcurrency, EveryLineOnceInItsThreadsOrderInItsFileWhateverTheEnd) {
  const std::string folder = testing::FreshTestFolder("write_log_threads");
  const std::string date = testing::TodayText();
  constexpr int kThreads = 8;
  TqxWriteLogEx log("Stress", folder, 1024, ""), other("B", folder, 1024, "");
  auto produce = [&](int round) {
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
      threads.emplace_back([&, t] {
        const std::string sub = "s" + std::to_string(t % 4);  // two threads per file
        for (int n = round * kLinesPerThread; n < (round + 1) * kLinesPerThread; ++n) {
          log.AddLog("t" + std::to_string(t) + " n" + std::to_string(n), sub);
          if (t == 0) other.AddLog("b" + std::to_string(n), "sub");
        }
      });
    }
    for (auto& thread : threads) thread.join();
  };
  auto file = [&](int f) { return folder + "Stress_s" + std::to_string(f) + "_" + date + ".log"; };
  // While the writer runs: once the count of lines not yet written says 0, all of them are in
  // the files, none still held by the writer.
  produce(0);
  for (int waited = 0; log.GetUnWriteLogCount() > 0 && waited < 20000; ++waited) {  // twenty seconds or more at most
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  ASSERT_EQ(log.GetUnWriteLogCount(), 0);
  size_t lines_in_files = 0;
  for (int f = 0; f < 4; ++f) lines_in_files += LogLines(file(f)).size();
  EXPECT_EQ(lines_in_files, size_t{kThreads} * kLinesPerThread);
  // The end step for a host that never shut down (the thread stops where it is and the caller
  // writes the rest), then the library's shutdown for every writer left.
  produce(1);
  log.StopAndWriteWhatIsLeft();
  EXPECT_EQ(log.GetUnWriteLogCount(), 0);
  TqxWriteLogEx::ShutdownAll();
  EXPECT_EQ(other.GetUnWriteLogCount(), 0);
  for (int f = 0; f < 4; ++f) {
    const auto lines = LogLines(file(f));
    ASSERT_EQ(lines.size(), 4u * kLinesPerThread) << file(f);
    std::map<int, int> next;  // thread -> next expected number
    for (const std::string& line : lines) {
      const size_t text = line.find("]: t");
      ASSERT_NE(text, std::string::npos) << line;
      const int thread = std::stoi(line.substr(text + 4));
      ASSERT_EQ(thread % 4, f) << "line in the wrong file: " << line;
      ASSERT_EQ(std::stoi(line.substr(line.find(" n", text) + 2)), next[thread]++) << "lost, doubled or out of order: " << line;
    }
  }
  const auto b = LogLines(folder + "B_sub_" + date + ".log");
  EXPECT_EQ(b.size(), 2u * kLinesPerThread);
  EXPECT_TRUE(b.back().ends_with("]: b" + std::to_string(2 * kLinesPerThread - 1)));
}

// Milliseconds of a local time, and of the time a log line shows (only differences count).
int64_t Milliseconds(const platform::LocalDateTime& time) { return std::llround(ToDateTimeValue(time) * 86400000.0); }
int64_t LineMilliseconds(const std::string& line) {
  platform::LocalDateTime t{};
  // [pid]YYYY-MM-DD HH:MM:SS.mmm[...
  EXPECT_EQ(std::sscanf(line.c_str() + line.find(']') + 1, "%d-%d-%d %d:%d:%d.%d", &t.year, &t.month, &t.day, &t.hour,
                        &t.minute, &t.second, &t.millisecond), 7) << line;
  return Milliseconds(t);
}

TEST(WriteLogExConcurrency, EachLineCarriesTheTimeOfItsCallNotOfItsWriting) {
  // The caller takes a cheap stamp; the writer's thread turns it into the time. Lines written
  // up to 300 ms after their calls, over passes that match the clocks afresh, still show their
  // calls' times: within a millisecond (the texts' truncation) of the local time read around
  // each call.
  constexpr int64_t kToleranceMs = 1;
  const std::string folder = testing::FreshTestFolder("write_log_call_time");
  LogWriterSeams seams = LogWriterSeams::System();
  seams.start_threads = false;
  TqxWriteLogEx log("T", folder, 1024, "", seams);
  std::vector<std::pair<int64_t, int64_t>> calls;  // the local time before and after
  for (int n = 0; n < 8; ++n) {
    const int64_t before = Milliseconds(platform::LocalNow());
    log.AddLog("n" + std::to_string(n));
    calls.emplace_back(before, Milliseconds(platform::LocalNow()));
    std::this_thread::sleep_for(std::chrono::milliseconds(25));
    if (n == 3) log.RunPasses();
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(150));
  log.RunPasses();
  const auto lines = LogLines(folder + "T_" + testing::TodayText() + ".log");
  ASSERT_EQ(lines.size(), calls.size());
  for (size_t n = 0; n < lines.size(); ++n) {
    const int64_t time = LineMilliseconds(lines[n]);
    EXPECT_GE(time, calls[n].first - kToleranceMs) << lines[n];
    EXPECT_LE(time, calls[n].second + kToleranceMs) << lines[n];
  }
}

}  // namespace
}  // namespace ruzi
