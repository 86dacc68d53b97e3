// The log writer driven pass by pass on a fake clock and an in-memory file system: the exact
// bytes of lines and file names, the threshold, masking, rotation, the change of day, failed
// flushes and the retries of a line that cannot be formatted.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include "fake_clock.h"
#include "foundation/log_dispatcher.h"
#include "foundation/log_level_config.h"
#include "foundation/write_log_ex.h"
#include "core_memory_file_system.h"
#include "platform/paths.h"
#include "platform/process_ids.h"
#include "test_paths.h"

namespace ruzi {
namespace {

const std::string kSep(1, platform::PathSeparator());
const std::string kAppDir = "app" + kSep;
const std::string kLogs = kAppDir + "Logs" + kSep;

class WriteLogExTest : public ::testing::Test {
 protected:
  LogWriterSeams Seams(const std::string& executable = kAppDir + "Trader.exe") {
    LogWriterSeams seams;
    seams.clock = &clock;
    seams.files = &files;
    seams.read_ini_integer = [this](const std::string& file, const std::string& section, const std::string& key,
                                    int fallback) {
      auto it = ini.find(file + "|" + section + "|" + key);
      return it == ini.end() ? fallback : it->second;
    };
    seams.sleep = [this](uint32_t milliseconds) { slept += milliseconds; };
    seams.executable_path = executable;
    seams.start_threads = false;
    return seams;
  }
  // Seams over the real file system, and what a real file holds.
  LogWriterSeams RealFiles() {
    LogWriterSeams seams = Seams();
    seams.files = &platform::SystemFileSystem();
    return seams;
  }
  static std::string RealContent(const std::string& path) {
    return platform::SystemFileSystem().ReadWholeFile(path).value_or("<missing>");
  }
  void SetIni(const std::string& file, const std::string& section, const std::string& key, int value) {
    files.Put(file, "[" + section + "]\r\n");
    ini[file + "|" + section + "|" + key] = value;
  }
  // "[pid]time[level][tid]: " for a line queued now on this thread.
  std::string Prefix(int level, const std::string& time = "2026-12-03 21:44:28.123") {
    return "[" + std::to_string(platform::CurrentProcessId()) + "]" + time + "[" + std::to_string(level) + "][" +
           std::to_string(platform::CurrentThreadId()) + "]: ";
  }

  testing::FakeClock clock;
  testing::MemoryFileSystem files;
  std::map<std::string, int> ini;
  uint32_t slept = 0;
};

TEST_F(WriteLogExTest, LineBytesAndFileNames) {
  TqxWriteLogEx log("CallService", "", 200, "", Seams());
  EXPECT_EQ(log.LogPath(), kLogs);
  log.AddLog("hello");
  log.AddLog("negative", "", -3);
  log.AddLog("to x", " x ", 1);  // the sub-name is trimmed
  log.RunPasses();
  EXPECT_EQ(files.Content(kLogs + "CallService_2026-12-03.log"),
            Prefix(0) + "hello\r\n" + Prefix(0) + "negative\r\n");
  EXPECT_EQ(files.Content(kLogs + "CallService_x_2026-12-03.log"), Prefix(1) + "to x\r\n");
  EXPECT_EQ(files.Files().size(), 2u);
}

TEST_F(WriteLogExTest, DefaultsAndGivenFolder) {
  TqxWriteLogEx log("  ", " out" + kSep + "logs ", 1, "", Seams());
  EXPECT_EQ(log.BaseName(), "WriteLog");
  EXPECT_EQ(log.LogPath(), "out" + kSep + "logs" + kSep);  // trimmed, separator added
  EXPECT_TRUE(files.DirectoryExists("out" + kSep + "logs"));
  log.AddLog("x");
  log.RunPasses();
  EXPECT_EQ(files.Content("out" + kSep + "logs" + kSep + "WriteLog_2026-12-03.log"), Prefix(0) + "x\r\n");
}

TEST_F(WriteLogExTest, TypeTagOnlyForPbrcFilesAndOtherTypes) {
  TqxWriteLogEx log("Trade", "", 200, "", Seams());
  log.AddLog("algo", "PBRC", 0, ltAlgoOrder);
  log.AddLog("plain", "PBRC", 0, ltNormal);
  log.AddLog("instr", "my_pbrc", 0, StockTradeInstr);
  log.AddLog("other", "pbr", 0, ltAlgoOrder);
  log.RunPasses();
  EXPECT_EQ(files.Content(kLogs + "Trade_PBRC_2026-12-03.log"),
            Prefix(0) + "[AlgoOrder]algo\r\n" + Prefix(0) + "plain\r\n");
  // The one name without the prefix loses two letters all the same.
  EXPECT_EQ(files.Content(kLogs + "Trade_my_pbrc_2026-12-03.log"), Prefix(0) + "[ockTradeInstr]instr\r\n");
  EXPECT_EQ(files.Content(kLogs + "Trade_pbr_2026-12-03.log"), Prefix(0) + "other\r\n");
}

TEST_F(WriteLogExTest, PasswordElementIsMasked) {
  TqxWriteLogEx log("M", "", 200, "", Seams());
  log.AddLog("a<vc_capital_password>123456</vc_capital_password>b");
  log.AddLog("a<vc_capital_password>123456 b");
  log.AddLog("a</vc_capital_password>b");
  log.AddLog("<vc_capital_password>1</vc_capital_password>-<vc_capital_password>2</vc_capital_password>");
  log.RunPasses();
  EXPECT_EQ(files.Content(kLogs + "M_2026-12-03.log"),
            Prefix(0) + "ab\r\n" + Prefix(0) + "a<vc_capital_password>123456 b\r\n" + Prefix(0) +
                "a</vc_capital_password>b\r\n" + Prefix(0) + "-<vc_capital_password>2</vc_capital_password>\r\n");
}

TEST_F(WriteLogExTest, ThresholdNeverBelowFiveAndReReadEveryTenSeconds) {
  const std::string config = kAppDir + "Trader.ini";
  SetIni(config, "common", "LogLevel", 3);
  TqxWriteLogEx log("L", "", 200, "", Seams());
  EXPECT_EQ(log.IniFileName(), config);
  EXPECT_EQ(log.LogLevel(), 5);
  log.AddLog("six", "", 6);
  log.AddLog("five", "", 5);
  EXPECT_EQ(log.GetUnWriteLogCount(), 1);
  SetIni(config, "common", "LogLevel", 8);
  clock.AdvanceTicks(10000);  // not more than 10 s yet
  log.RunPasses();
  EXPECT_EQ(log.LogLevel(), 5);
  clock.AdvanceTicks(1);
  log.RunPasses();
  EXPECT_EQ(log.LogLevel(), 8);
  log.AddLog("six again", "", 6);
  log.AddLog("nine", "", 9);
  log.RunPasses();
  EXPECT_EQ(files.Content(kLogs + "L_2026-12-03.log"), Prefix(5) + "five\r\n" + Prefix(6) + "six again\r\n");
}

TEST_F(WriteLogExTest, SetLogLevelReadsWriteLogSectionOfQxServerInfo) {
  SetIni(kAppDir + "QxServerInfo.ini", "WriteLog", "TradeLevel", 2);
  TqxWriteLogEx log("L", "", 200, "", Seams());
  EXPECT_EQ(log.SetLogLevel("TradeLevel", 7), 2);  // the file's value, even below 5
  log.AddLog("three", "", 3);
  EXPECT_EQ(log.GetUnWriteLogCount(), 0);
  EXPECT_EQ(log.SetLogLevel("Missing", 7), 7);
}

TEST_F(WriteLogExTest, ConfigurationFileNames) {
  EXPECT_EQ(LogConfigFileName(kAppDir + "DozoRudo.EXE", ""), kAppDir + "QxServerInfo.ini");
  EXPECT_EQ(LogConfigFileName(kAppDir + "Trader.exe", "  "), kAppDir + "Trader.ini");
  EXPECT_EQ(LogConfigFileName(kAppDir + "Trader.exe", " my.ini"), kAppDir + " my.ini");  // used untrimmed
  // A missing file gives 5; a present one without the key gives 5 too.
  EXPECT_EQ(GetLogLevel(kAppDir + "none.ini", Seams()), 5);
  files.Put(kAppDir + "empty.ini", "");
  EXPECT_EQ(GetLogLevel(kAppDir + "empty.ini", Seams()), 5);
}

TEST_F(WriteLogExTest, RotationMovesToFirstFreeNumberOncePerMinute) {
  const std::string current = kLogs + "R_2026-12-03.log";
  TqxWriteLogEx log("R", "", 0.0001, "", Seams());  // limit 104.8576 bytes
  log.AddLog("first");  // the first line always checks: the last check was at tick 0
  log.RunPasses();
  files.Put(kLogs + "R_2026-12-03_1.log", "older");
  const std::string big(200, 'x');
  log.AddLog(big);
  clock.AdvanceTicks(60000);  // exactly a minute: not yet
  log.RunPasses();
  EXPECT_EQ(files.Content(current), Prefix(0) + "first\r\n" + Prefix(0) + big + "\r\n");
  clock.AdvanceTicks(1);
  log.AddLog("after");
  log.RunPasses();
  EXPECT_EQ(files.Content(kLogs + "R_2026-12-03_1.log"), "older");
  EXPECT_EQ(files.Content(kLogs + "R_2026-12-03_2.log"), Prefix(0) + "first\r\n" + Prefix(0) + big + "\r\n");
  EXPECT_EQ(files.Content(current), Prefix(0) + "after\r\n");
  // Small file at the next check: stays.
  clock.AdvanceTicks(60001);
  log.AddLog("small");
  log.RunPasses();
  EXPECT_EQ(files.Content(current), Prefix(0) + "after\r\n" + Prefix(0) + "small\r\n");
  // Grown again: the next number after the last one used.
  log.AddLog(big);
  log.RunPasses();
  clock.AdvanceTicks(60001);
  log.AddLog("last");
  log.RunPasses();
  EXPECT_TRUE(files.FileExists(kLogs + "R_2026-12-03_3.log"));
  EXPECT_EQ(files.Content(current), Prefix(0) + "last\r\n");
}

TEST_F(WriteLogExTest, LinesGoToTheFileOfTheDayTheyAreWritten) {
  TqxWriteLogEx log("D", "", 200, "", Seams());
  clock.Set({2026, 12, 3, 23, 59, 59, 999});
  log.AddLog("before midnight");
  log.RunPasses();
  log.AddLog("queued before midnight");
  clock.Set({2026, 12, 4, 0, 0, 0, 1});
  log.AddLog("after midnight");
  log.RunPasses();
  EXPECT_EQ(files.Content(kLogs + "D_2026-12-03.log"), Prefix(0, "2026-12-03 23:59:59.999") + "before midnight\r\n");
  // Written after midnight, stamped when it was queued.
  EXPECT_EQ(files.Content(kLogs + "D_2026-12-04.log"),
            Prefix(0, "2026-12-03 23:59:59.999") + "queued before midnight\r\n" +
                Prefix(0, "2026-12-04 00:00:00.001") + "after midnight\r\n");
}

// A failed flush keeps its lines for the flush after the next line, or for the shutdown.
TEST_F(WriteLogExTest, FailedFlushKeepsLinesForTheNextFlushOrTheShutdown) {
  for (const std::string name : {"F", "S"}) {
    const std::string file = kLogs + name + "_2026-12-03.log";
    TqxWriteLogEx log(name, "", 200, "", Seams());
    files.append_failures = 1;
    files.appends = 0;
    log.AddLog("one");
    log.RunPasses();
    EXPECT_EQ(files.Content(file), "");
    // No new line, no new attempt: nothing spins on a broken file.
    log.RunPasses();
    EXPECT_EQ(files.appends, 0);
    log.AddLog("two");
    EXPECT_EQ(log.GetUnWriteLogCount(), 2);
    name == "F" ? log.RunPasses() : log.Shutdown();
    const std::string lines = Prefix(0) + "one\r\n" + Prefix(0) + "two\r\n";
    EXPECT_EQ(files.Content(file).substr(0, lines.size()), lines) << name;
    EXPECT_EQ(files.appends, 2) << name;  // the lines, then the line telling of the failure
    EXPECT_EQ(log.GetUnWriteLogCount(), 0);
    EXPECT_EQ(log.GetFailedWriteCount(), 1);
  }
}

TEST_F(WriteLogExTest, FullDiskWritesEveryByteOnceAndTellsOfItWhenSpaceReturns) {
  const std::string file = kLogs + "Z_2026-12-03.log";
  TqxWriteLogEx log("Z", "", 200, "", Seams());
  std::string expected;
  auto add = [&](int n) {
    log.AddLog("line " + std::to_string(n));
    expected += Prefix(0) + "line " + std::to_string(n) + "\r\n";
  };
  for (int n = 0; n < 5; ++n) add(n);
  files.free_space = 70;  // the disk fills in the middle of the second line
  log.RunPasses();
  EXPECT_EQ(files.Content(file), expected.substr(0, 70));
  EXPECT_EQ(log.GetFailedWriteCount(), 1);
  EXPECT_EQ(log.GetUnWriteLogCount(), 5);  // a line is written once it is whole in the file
  add(5);  // still full: one more attempt, nothing more in the file
  log.RunPasses();
  EXPECT_EQ(log.GetFailedWriteCount(), 2);
  EXPECT_EQ(files.Content(file), expected.substr(0, 70));
  files.free_space = SIZE_MAX;
  add(6);
  log.RunPasses();
  const std::string content = files.Content(file);
  ASSERT_EQ(content.substr(0, expected.size()), expected);  // the torn line completed, nothing twice
  const std::string notice = content.substr(expected.size());
  EXPECT_TRUE(notice.starts_with(Prefix(0) + "写日志文件失败2次")) << notice;
  EXPECT_TRUE(notice.ends_with("\r\n") && notice.find('\n') == notice.size() - 1) << notice;
  EXPECT_EQ(log.GetUnWriteLogCount(), 0);
  EXPECT_EQ(log.GetFailedWriteCount(), 2);
}

TEST_F(WriteLogExTest, LineThatFailsIsRetriedAtTheTailThenDroppedAfterTwenty) {
  const std::string file = kLogs + "T_2026-12-03.log";
  TqxWriteLogEx log("T", "", 200, "", Seams());
  // The first line's size check fails once: it goes behind the second line.
  files.size_failures = 1;
  log.AddLog("first");
  log.AddLog("second");
  log.RunPasses();
  EXPECT_EQ(files.Content(file), Prefix(0) + "second\r\n" + Prefix(0) + "first\r\n");
  EXPECT_EQ(slept, 10u);  // 10 ms after each failure
  // Twenty failures: the line is given up.
  clock.AdvanceTicks(60001);
  files.size_failures = 20;
  log.AddLog("lost");
  log.RunPasses();
  clock.AdvanceTicks(60001);
  log.AddLog("next");
  log.RunPasses();
  EXPECT_EQ(files.Content(file), Prefix(0) + "second\r\n" + Prefix(0) + "first\r\n" + Prefix(0) + "next\r\n");
  EXPECT_EQ(slept, 10u + 19 * 10u);
}

TEST_F(WriteLogExTest, FormattedLinesAndTheFormatErrorText) {
  TqxWriteLogEx log("P", "", 200, "", Seams());
  log.AddLog(0, "%s=%d", {"count", 42});
  log.AddLog(0, "%d and %d", {1});
  log.AddLog(0, "%q", {1});
  log.AddLog(6, "%s", {"dropped"});
  log.RunPasses();
  EXPECT_EQ(files.Content(kLogs + "P_2026-12-03.log"),
            Prefix(0) + "count=42\r\n" + Prefix(0) + "写日志时Format出错,StrFormat=[%d and %d]\r\n" + Prefix(0) +
                "写日志时Format出错,StrFormat=[%q]\r\n");
}

TEST_F(WriteLogExTest, MissingLogFolderIsCreatedOnRealFiles) {
  // Real files: a folder removed before the writer first opens its file comes back. (Once
  // open, the file is held until it is moved aside or the day changes.)
  const std::string folder = testing::FreshTestFolder("write_log_missing_folder") + "a" + kSep + "b" + kSep;
  TqxWriteLogEx log("G", folder, 200, "", RealFiles());
  EXPECT_TRUE(platform::SystemFileSystem().DirectoryExists(folder));
  std::filesystem::remove_all(std::filesystem::path(folder).parent_path().parent_path());
  log.AddLog("one");
  log.AddLog("two");
  log.RunPasses();
  EXPECT_EQ(RealContent(folder + "G_2026-12-03.log"),
            Prefix(0) + "one\r\n" + Prefix(0) + "two\r\n");
}

TEST_F(WriteLogExTest, HeldFileLetsGoToBeMovedAsideAndWhenTheDayChangesOnRealFiles) {
  // The file stays open between passes: lines written after a rotation or past midnight must
  // reach the new file, not the one still held.
  const std::string folder = testing::FreshTestFolder("write_log_held_file");
  auto content = [&folder](const std::string& name) { return RealContent(folder + name); };
  TqxWriteLogEx log("H", folder, 0.0001, "", RealFiles());  // limit 104.8576 bytes
  const std::string big(200, 'x');
  log.AddLog(big);
  log.RunPasses();
  clock.AdvanceTicks(60001);
  log.AddLog("after");
  log.RunPasses();
  EXPECT_EQ(content("H_2026-12-03_1.log"), Prefix(0) + big + "\r\n");
  EXPECT_EQ(content("H_2026-12-03.log"), Prefix(0) + "after\r\n");
  clock.Set({2026, 12, 4, 0, 0, 0, 1});
  log.AddLog("tomorrow");
  log.RunPasses();
  EXPECT_EQ(content("H_2026-12-03.log"), Prefix(0) + "after\r\n");
  EXPECT_EQ(content("H_2026-12-04.log"), Prefix(0, "2026-12-04 00:00:00.001") + "tomorrow\r\n");
}

TEST_F(WriteLogExTest, FileMovedAsideByAnotherWriterIsLetGoAtTheNextSizeCheckOnRealFiles) {
  const std::string folder = testing::FreshTestFolder("write_log_moved_aside");
  auto content = [&folder](const std::string& name) { return RealContent(folder + name); };
  TqxWriteLogEx log("M", folder, 200, "", RealFiles());
  log.AddLog("one");
  log.RunPasses();
  ASSERT_TRUE(platform::SystemFileSystem().RenameFile(folder + "M_2026-12-03.log", folder + "M_2026-12-03_7.log"));
  log.AddLog("two");  // before the next size check: still into the file held
  log.RunPasses();
  clock.AdvanceTicks(60001);
  log.AddLog("three");
  log.RunPasses();
  EXPECT_EQ(content("M_2026-12-03_7.log"), Prefix(0) + "one\r\n" + Prefix(0) + "two\r\n");
  EXPECT_EQ(content("M_2026-12-03.log"), Prefix(0) + "three\r\n");
}

TEST_F(WriteLogExTest, ExitAfterAThreadKilledInACallByPathOnlyAppendsToFilesHeldOpen) {
  // At process exit the writer's thread is gone wherever it was. Killed in a call that looks a
  // path up, the exit must look up no path at all: the file already open gets every line, the
  // file never opened keeps its lines unwritten. Killed anywhere else, everything is written.
  struct Case {
    FileCall killed_in;
    bool second_file_written;
  };
  for (const Case& c : {Case{FileCall::kByPath, false}, Case{FileCall::kThroughHeldFile, true},
                        Case{FileCall::kNone, true}}) {
    SCOPED_TRACE(static_cast<int>(c.killed_in));
    testing::MemoryFileSystem held;
    held.hold_files = true;
    LogWriterSeams seams = Seams();
    seams.files = &held;
    LogDispatcher dispatcher(kLogs, "K", 200, kAppDir + "none.ini", seams);
    LogProducerQueue& queue = dispatcher.Producers.ForThisThread();
    LogRecord record;
    record.stamp = clock.Stamp();
    auto push = [&](const std::string& text, const std::string& sub) {
      record.msg = text;
      record.sub_name = sub;
      queue.Push(record);
    };
    push("open", "a");
    dispatcher.DealLog();  // a's file is open from here on
    push("a1", "a");
    push("b1", "b");
    push("a2", "a");
    dispatcher.Counters.in_file_call.store(c.killed_in);
    const int path_calls = held.path_calls;
    dispatcher.WriteWhatIsLeft(true);
    EXPECT_EQ(held.Content(kLogs + "K_a_2026-12-03.log"),
              Prefix(0) + "open\r\n" + Prefix(0) + "a1\r\n" + Prefix(0) + "a2\r\n");
    if (c.second_file_written) {
      EXPECT_EQ(held.Content(kLogs + "K_b_2026-12-03.log"), Prefix(0) + "b1\r\n");
      EXPECT_EQ(dispatcher.Unwritten(), 0);
    } else {
      EXPECT_EQ(held.path_calls, path_calls);
      EXPECT_FALSE(held.FileExists(kLogs + "K_b_2026-12-03.log"));
      EXPECT_EQ(dispatcher.Unwritten(), 1);
    }
  }
}

TEST_F(WriteLogExTest, PassesTakeAtMostAThousandLinesPerFileAndAppendOnce) {
  LogDispatcher dispatcher(kLogs, "B", 200, kAppDir + "none.ini", Seams());
  LogProducerQueue& queue = dispatcher.Producers.ForThisThread();
  LogRecord record;
  record.stamp = clock.Stamp();
  for (int i = 0; i < 2500; ++i) {
    const std::string text = std::to_string(i);
    record.msg = text;
    queue.Push(record);
  }
  EXPECT_TRUE(dispatcher.DealLog());
  EXPECT_EQ(files.appends, 1);  // one append per pass, not per line
  EXPECT_EQ(dispatcher.Unwritten(), 1500);
  EXPECT_TRUE(dispatcher.DealLog());
  EXPECT_FALSE(dispatcher.DealLog());
  EXPECT_EQ(files.appends, 3);
  EXPECT_EQ(dispatcher.Unwritten(), 0);
}

}  // namespace
}  // namespace ruzi
