// The log writer with its real threads and real files: many producers, every line exactly
// once and in its thread's order in the right file; shutdown loses nothing; the count of
// unwritten lines tells the truth; the destructor alone returns promptly. (The benchmark runs
// 8 threads of a million lines each through the same check.)
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "foundation/file_backed_list.h"
#include "foundation/log_writer_seams.h"
#include "foundation/write_log_ex.h"
#include "platform/clock.h"
#include "platform/file_system.h"
#include "test_paths.h"

namespace ruzi {
namespace {

#if defined(__SANITIZE_THREAD__)
constexpr int kLinesPerThread = 10000;  // TSan is an order of magnitude slower
#else
constexpr int kLinesPerThread = 50000;
#endif

// Every file of the folder, split into lines.
std::map<std::string, std::vector<std::string>> ReadLogs(const std::string& folder, const std::vector<std::string>& names) {
  std::map<std::string, std::vector<std::string>> result;
  for (const std::string& name : names) {
    result[name] = SplitFileLines(platform::SystemFileSystem().ReadWholeFile(folder + name).value_or(""));
  }
  return result;
}

std::string TimeText(const platform::LocalDateTime& time) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d.%03d", time.year, time.month, time.day, time.hour,
                time.minute, time.second, time.millisecond);
  return text;
}

TEST(WriteLogExConcurrency, EightThreadsEveryLineOnceInOrderInItsFile) {
  const std::string folder = testing::FreshTestFolder("write_log_eight_threads");
  constexpr int kThreads = 8;
  {
    TqxWriteLogEx log("Stress", folder, 1024, "");
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
      threads.emplace_back([&log, t] {
        const std::string sub = "s" + std::to_string(t % 4);  // two threads per file
        const std::string prefix = "t" + std::to_string(t) + " n";
        for (int n = 0; n < kLinesPerThread; ++n) log.AddLog(prefix + std::to_string(n), sub);
      });
    }
    for (auto& thread : threads) thread.join();
    log.Shutdown();
    EXPECT_EQ(log.GetUnWriteLogCount(), 0);
  }
  const std::string date = testing::TodayText();
  std::vector<std::string> names;
  for (int f = 0; f < 4; ++f) names.push_back("Stress_s" + std::to_string(f) + "_" + date + ".log");
  const auto logs = ReadLogs(folder, names);
  for (int f = 0; f < 4; ++f) {
    const auto& lines = logs.at(names[f]);
    ASSERT_EQ(lines.size(), 2u * kLinesPerThread) << names[f];
    std::map<int, int> next;  // thread -> next expected number
    for (const std::string& line : lines) {
      const size_t text = line.find("]: t");
      ASSERT_NE(text, std::string::npos) << line;
      const int thread = std::stoi(line.substr(text + 4));
      const int number = std::stoi(line.substr(line.find(" n", text) + 2));
      ASSERT_EQ(thread % 4, f) << "line in the wrong file: " << line;
      ASSERT_EQ(number, next[thread]) << "lost, doubled or out of order: " << line;
      ++next[thread];
    }
  }
}

TEST(WriteLogExConcurrency, LibraryShutdownDrainsEveryInstance) {
  const std::string folder = testing::FreshTestFolder("write_log_shutdown_all");
  TqxWriteLogEx first("A", folder, 1024, "");
  TqxWriteLogEx second("B", folder, 1024, "");
  for (int n = 0; n < 20000; ++n) {
    first.AddLog("a" + std::to_string(n));
    second.AddLog("b" + std::to_string(n), "sub");
  }
  TqxWriteLogEx::ShutdownAll();
  const std::string date = testing::TodayText();
  const auto logs = ReadLogs(folder, {"A_" + date + ".log", "B_sub_" + date + ".log"});
  EXPECT_EQ(logs.at("A_" + date + ".log").size(), 20000u);
  EXPECT_EQ(logs.at("B_sub_" + date + ".log").size(), 20000u);
  EXPECT_TRUE(logs.at("B_sub_" + date + ".log").back().ends_with("]: b19999"));
}

TEST(WriteLogExConcurrency, DestructorWithoutShutdownReturnsPromptly) {
  const std::string folder = testing::FreshTestFolder("write_log_destructor");
  for (int round = 0; round < 20; ++round) {
    const auto start = std::chrono::steady_clock::now();
    {
      TqxWriteLogEx log("D", folder, 1024, "");
      for (int n = 0; n < 5000; ++n) log.AddLog("line " + std::to_string(n), "r" + std::to_string(round % 3));
    }
    // Two threads at most 500 ms each; in practice they stop within a period.
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(1100)) << round;
  }
}

TEST(WriteLogExConcurrency, UnwrittenCountTellsTheTruthAndWhatIsLeftIsWritten) {
  const std::string folder = testing::FreshTestFolder("write_log_unwritten");
  const std::string name = "U_" + testing::TodayText() + ".log";
  TqxWriteLogEx log("U", folder, 1024, "");
  auto produce = [&log] {
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
      threads.emplace_back([&log, t] {
        for (int n = 0; n < kLinesPerThread / 4; ++n) log.AddLog("t" + std::to_string(t) + " n" + std::to_string(n));
      });
    }
    for (auto& thread : threads) thread.join();
  };
  // While the writer runs: once the count of lines not yet written says 0, all of them are in
  // the file, none still held by the writer.
  produce();
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (log.GetUnWriteLogCount() > 0 && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  ASSERT_EQ(log.GetUnWriteLogCount(), 0);
  EXPECT_EQ(ReadLogs(folder, {name}).at(name).size(), static_cast<size_t>(kLinesPerThread));
  // The library's end step for a host that never shut down: the thread stops where it is and
  // the caller writes the rest.
  produce();
  log.StopAndWriteWhatIsLeft();
  EXPECT_EQ(log.GetUnWriteLogCount(), 0);
  EXPECT_EQ(ReadLogs(folder, {name}).at(name).size(), 2u * kLinesPerThread);
}

// Milliseconds since 1970 of a local "YYYY-MM-DD HH:MM:SS.mmm", as if it were UTC (only
// differences are compared); -1 for anything else.
int64_t Milliseconds(const std::string& text) {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, millisecond = 0;
  if (std::sscanf(text.c_str(), "%d-%d-%d %d:%d:%d.%d", &year, &month, &day, &hour, &minute, &second,
                  &millisecond) != 7) {
    return -1;
  }
  const int64_t days =
      std::chrono::sys_days(std::chrono::year(year) / month / day).time_since_epoch().count();
  return ((days * 24 + hour) * 60 + minute) * 60000 + second * 1000 + millisecond;
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
    const int64_t before = Milliseconds(TimeText(platform::LocalNow()));
    log.AddLog("n" + std::to_string(n));
    calls.emplace_back(before, Milliseconds(TimeText(platform::LocalNow())));
    std::this_thread::sleep_for(std::chrono::milliseconds(25));
    if (n == 3) log.RunPasses();
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(150));
  log.RunPasses();
  const std::string name = "T_" + testing::TodayText() + ".log";
  const auto lines = ReadLogs(folder, {name}).at(name);
  ASSERT_EQ(lines.size(), calls.size());
  for (size_t n = 0; n < lines.size(); ++n) {
    // [pid]YYYY-MM-DD HH:MM:SS.mmm[...
    const int64_t time = Milliseconds(lines[n].substr(lines[n].find(']') + 1, 23));
    EXPECT_GE(time, calls[n].first - kToleranceMs) << lines[n];
    EXPECT_LE(time, calls[n].second + kToleranceMs) << lines[n];
  }
}

}  // namespace
}  // namespace ruzi
