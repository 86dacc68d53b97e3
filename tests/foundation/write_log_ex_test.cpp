// The log writer driven pass by pass on a fake clock: the scripts of tests/data/fnd_log_scripts.txt
// (exact line bytes and file names, configuration, threshold, masking, rotation, change of day,
// failed flushes, a full disk, retries, the pass size, files held open), and the exit after a
// killed thread.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "fnd_fake_clock.h"
#include "foundation/log_dispatcher.h"
#include "foundation/log_level_config.h"
#include "foundation/write_log_ex.h"
#include "core_memory_file_system.h"
#include "platform/paths.h"
#include "platform/process_ids.h"
#include "test_paths.h"
#include "vector_file.h"

namespace ruzi {
namespace {

const std::string kSep(1, platform::PathSeparator());
const std::string kAppDir = "app" + kSep;
const std::string kLogs = kAppDir + "Logs" + kSep;

std::string Native(std::string path) {
  std::replace(path.begin(), path.end(), '/', platform::PathSeparator());
  return path;
}

class WriteLogExTest : public ::testing::Test {
 protected:
  LogWriterSeams Seams(platform::FileSystem* file_system = nullptr, testing::FakeClock* fake_clock = nullptr) {
    LogWriterSeams seams;
    seams.clock = fake_clock != nullptr ? fake_clock : &clock;
    seams.files = file_system != nullptr ? file_system : &files;
    seams.read_ini_integer = [this](const std::string& file, const std::string& section, const std::string& key,
                                    int fallback) {
      auto it = ini.find(file + "|" + section + "|" + key);
      return it == ini.end() ? fallback : it->second;
    };
    seams.sleep = [this](uint32_t milliseconds) { slept += milliseconds; };
    seams.executable_path = kAppDir + "Trader.exe";
    seams.start_threads = false;
    return seams;
  }
  // "[pid]time[level][tid]: " for a line queued now on this thread.
  std::string Prefix(int level, const std::string& time = "2026-12-03 21:44:28.123") {
    return "[" + std::to_string(platform::CurrentProcessId()) + "]" + time + "[" + std::to_string(level) + "][" +
           std::to_string(platform::CurrentThreadId()) + "]: ";
  }
  // A script's text: "x*200" stands for 200 letters x.
  static std::string Text(const std::string& text) {
    const size_t star = text.find('*');
    return star == 1 && text.find_first_not_of("0123456789", 2) == std::string::npos ? std::string(std::stoul(text.substr(2)), text[0]) : text;
  }
  // Script lines "level|text" or "level|time|text", from the field `first` on.
  std::string Lines(const testing::VectorCase& c, size_t first) {
    std::string lines;
    for (size_t i = first; i < c.size(); ++i) {
      const size_t bar = c[i].find('|');
      const bool timed = c[i].size() > bar + 24 && c[i][bar + 24] == '|';
      lines += Prefix(std::stoi(c[i].substr(0, bar)), timed ? c[i].substr(bar + 1, 23) : "2026-12-03 21:44:28.123") +
               Text(c[i].substr(bar + (timed ? 25 : 1))) + "\r\n";
    }
    return lines;
  }

  // Queues a line on this thread's queue of the dispatcher, stamped now.
  void Push(LogDispatcher& dispatcher, const std::string& text, const std::string& sub) {
    dispatcher.Producers.ForThisThread().Push({.msg = text, .sub_name = sub, .stamp = clock.Stamp()});
  }

  testing::FakeClock clock;
  testing::MemoryFileSystem files;
  std::map<std::string, int> ini;
  uint32_t slept = 0;
};

TEST_F(WriteLogExTest, Scripts) {
  platform::FileSystem* fs = &files;
  std::string root;
  std::unique_ptr<TqxWriteLogEx> log;
  std::unique_ptr<testing::FakeClock> clock;
  using Case = testing::VectorCase;
  auto path = [&](const Case& c, size_t i) { return root + Native(c[i]); };
  auto content = [&](const Case& c, size_t i) { return fs->ReadWholeFile(path(c, i)).value_or(""); };
  const std::map<std::string, std::function<void(const Case&)>> steps{
      {"new", [&](auto& c) {
         log.reset();
         files.appends = 0;
         slept = 0;
         clock = std::make_unique<testing::FakeClock>();
         log = std::make_unique<TqxWriteLogEx>(c[1], c[2].empty() ? root : path(c, 2), std::stod(c[3]), "", Seams(fs, clock.get()));
       }},
      {"real", [&](auto& c) { fs = &platform::SystemFileSystem(); root = testing::FreshTestFolder(c[1]); }},
      {"add", [&](auto& c) { log->AddLog(Text(c[1]), c[2], std::stoi(c[3]), static_cast<TLogType>(std::stoi(c[4]))); }},
      {"addf", [&](auto& c) {
         std::vector<FormatArg> args;
         for (size_t i = 3; i < c.size(); ++i) {
           c[i][0] == 'i' ? args.emplace_back(std::stoi(c[i].substr(2))) : args.emplace_back(std::string_view(c[i]).substr(2));
         }
         args.size() == 1 ? log->AddLog(std::stoi(c[1]), c[2], {args[0]}) : log->AddLog(std::stoi(c[1]), c[2], {args[0], args[1]});
       }},
      {"addn", [&](auto& c) {
         for (int n = 0; n < std::stoi(c[1]); ++n) log->AddLog(std::to_string(n), "", 0, ltNormal);
       }},
      {"run", [&](auto&) { log->RunPasses(); }},
      {"shutdown", [&](auto&) { log->Shutdown(); }},
      {"ticks", [&](auto& c) { clock->AdvanceTicks(static_cast<uint32_t>(std::stoul(c[1]))); }},
      {"at", [&](auto& c) {
         int f[7];
         ASSERT_EQ(std::sscanf(c[1].c_str(), "%d-%d-%d %d:%d:%d.%d", &f[0], &f[1], &f[2], &f[3], &f[4], &f[5], &f[6]), 7);
         clock->Set({f[0], f[1], f[2], f[3], f[4], f[5], f[6]});
       }},
      {"ini", [&](auto& c) {
         files.Put(path(c, 1), "[" + c[2] + "]\r\n");
         ini[path(c, 1) + "|" + c[2] + "|" + c[3]] = std::stoi(c[4]);
       }},
      {"put", [&](auto& c) { files.Put(path(c, 1), c[2]); }},
      {"gone", [&](auto& c) { std::filesystem::remove_all(path(c, 1)); }},
      {"move", [&](auto& c) { ASSERT_TRUE(fs->RenameFile(path(c, 1), path(c, 2))); }},
      {"space", [&](auto& c) { files.free_space = c[1] == "max" ? SIZE_MAX : std::stoul(c[1]); }},
      {"configname", [&](auto& c) { EXPECT_EQ(LogConfigFileName(path(c, 1), c[2]), path(c, 3)); }},
      {"filelevel", [&](auto& c) { EXPECT_EQ(GetLogLevel(path(c, 1), Seams(fs)), std::stoi(c[2])); }},
      {"fail", [&](auto& c) { (c[1] == "appends" ? files.append_failures : files.size_failures) = std::stoi(c[2]); }},
      {"expect", [&](auto& c) { EXPECT_EQ(content(c, 1), Lines(c, 2)); }},
      {"begins", [&](auto& c) { EXPECT_EQ(content(c, 1).substr(0, Lines(c, 2).size()), Lines(c, 2)); }},
      {"torn", [&](auto& c) { EXPECT_EQ(content(c, 1), Lines(c, 3).substr(0, std::stoul(c[2]))); }},
      {"last", [&](auto& c) {
         const std::string lines = content(c, 1), last = Lines(c, 2);
         EXPECT_EQ(lines.substr(lines.rfind('\n', lines.size() - 2) + 1, last.size() - 2), last.substr(0, last.size() - 2));
       }},
      {"lines", [&](auto& c) {
         const std::string lines = content(c, 1);
         EXPECT_EQ(std::count(lines.begin(), lines.end(), '\n'), std::stoi(c[2]));
       }},
      {"bytes", [&](auto& c) { EXPECT_EQ(content(c, 1), c[2]); }},
      {"files", [&](auto& c) { EXPECT_EQ(files.Files().size(), std::stoul(c[1])); }},
      {"setlevel", [&](auto& c) { EXPECT_EQ(log->SetLogLevel(c[1], std::stoi(c[2])), std::stoi(c[3])); }},
      {"is", [&](auto& c) {
         const std::map<std::string, std::string> answers{
             {"path", log->LogPath()}, {"base", log->BaseName()}, {"inifile", log->IniFileName()},
             {"level", std::to_string(log->LogLevel())}, {"unwritten", std::to_string(log->GetUnWriteLogCount())},
             {"failed", std::to_string(log->GetFailedWriteCount())}, {"appends", std::to_string(files.appends)},
             {"slept", std::to_string(slept)}};
         EXPECT_EQ(answers.at(c[1]), c[1] == "path" || c[1] == "inifile" ? Native(c[2]) : c[2]);
       }},
  };
  int step = 0;
  for (const Case& c : testing::ReadVectors("fnd_log_scripts.txt")) {
    SCOPED_TRACE("step " + std::to_string(++step) + ": " + c[0] + " " + (c.size() > 1 ? c[1] : ""));
    ASSERT_TRUE(steps.contains(c[0])) << "unknown script step " << c[0];
    steps.at(c[0])(c);
  }
}

TEST_F(WriteLogExTest, ExitAfterAThreadKilledInACallByPathOnlyAppendsToFilesHeldOpen) {
  // At process exit the writer's thread is gone wherever it was. Killed in a call that looks a
  // path up, the exit must look up no path at all: the file already open gets every line, the
  // file never opened keeps its lines unwritten. Killed anywhere else, everything is written.
  for (const auto& [killed_in, second_file_written] :
       {std::pair{FileCall::kByPath, false}, {FileCall::kThroughHeldFile, true}, {FileCall::kNone, true}}) {
    SCOPED_TRACE(static_cast<int>(killed_in));
    testing::MemoryFileSystem held;
    held.hold_files = true;
    LogDispatcher dispatcher(kLogs, "K", 200, kAppDir + "none.ini", Seams(&held));
    Push(dispatcher, "open", "a");
    dispatcher.DealLog();  // a's file is open from here on
    for (const char* line : {"a1", "b1", "a2"}) Push(dispatcher, line, std::string(1, line[0]));
    dispatcher.Counters.in_file_call.store(killed_in);
    const int path_calls = held.path_calls;
    dispatcher.WriteWhatIsLeft(true);
    EXPECT_EQ(held.Content(kLogs + "K_a_2026-12-03.log"),
              Prefix(0) + "open\r\n" + Prefix(0) + "a1\r\n" + Prefix(0) + "a2\r\n");
    EXPECT_EQ(held.Content(kLogs + "K_b_2026-12-03.log"), second_file_written ? Prefix(0) + "b1\r\n" : "<missing>");
    EXPECT_EQ(dispatcher.Unwritten(), second_file_written ? 0 : 1);
    EXPECT_TRUE(second_file_written || held.path_calls == path_calls) << "a path looked up after the kill";
  }
}

}  // namespace
}  // namespace ruzi
