// ruzi-mwd under a site's load: 16 threads calling demo_echo with 100 B and 4 KB requests,
// this build's server (server:0, and server:2 with --audit-before-answer) beside the reference
// server named by RUZI_MWD_OLD (server:1, the server before its audit trail was bounded), each
// a process of its own with a fresh database, alternating.
// Per run: calls/s, p99, resident memory idle, 2 s into the load and at its end, audit rows
// against answered calls, and how long the server takes to stop. RUZI_LOAD_SECONDS sets the run (default 60).
// Two more measurements when asked: RUZI_SOAK_SECONDS, the database size every 10 s under the
// 4 KB load (this build only), with the WAL's largest size of the looks each second; RUZI_KILL_SECONDS, the audit rows lost when the server is
// killed with SIGKILL after that much load (both servers). RUZI_LOAD_OPTIONS: see Options.
// RUZI_LOAD_BODY=tagged sends tagged texts of varied codes, amounts and names instead of one
// letter repeated, which the audit's deflate shrinks to almost nothing.
#include <benchmark/benchmark.h>
#include <signal.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "native_client.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kThreads = 16;

long EnvironmentNumber(const char* name, long fallback) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0' ? std::atol(value) : fallback;
}

std::string ThisServer() {
  return std::filesystem::canonical("/proc/self/exe").parent_path().string() + "/ruzi-mwd";
}

// A server process with a fresh database in a folder of its own.
class ServerProcess {
 public:
  ServerProcess(const std::string& program, const std::string& name, std::vector<std::string> extra = {}) {
    folder_ = std::filesystem::temp_directory_path() / ("ruzi-mwd-load-" + std::to_string(::getpid()) + "-" + name);
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
    std::string port_file = (folder_ / "port").string();
    std::vector<std::string> args = {program,  "--port", "0", "--port-file", port_file, "--db", Database(),
                                     "--log-dir", folder_.string(), "--fresh"};
    args.insert(args.end(), extra.begin(), extra.end());
    pid_ = ::fork();
    if (pid_ == 0) {
      std::vector<char*> argv;
      for (auto& arg : args) argv.push_back(arg.data());
      argv.push_back(nullptr);
      ::execv(argv[0], argv.data());
      ::_exit(127);
    }
    for (int i = 0; i < 2000 && port_ == 0; ++i) {
      std::ifstream(port_file) >> port_;
      if (port_ == 0) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    if (port_ == 0) throw std::runtime_error("server did not start: " + program);
  }
  ~ServerProcess() {
    if (pid_ > 0) Signal(SIGKILL);
    std::filesystem::remove_all(folder_);
  }

  uint16_t Port() const { return port_; }
  std::string Database() const { return (folder_ / "mwd.db").string(); }
  long ResidentKb() const {
    std::ifstream status("/proc/" + std::to_string(pid_) + "/status");
    std::string line;
    while (std::getline(status, line)) {
      if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    }
    return -1;
  }
  // Seconds until the process is gone.
  double Signal(int signal) {
    auto started = Clock::now();
    ::kill(pid_, signal);
    ::waitpid(pid_, nullptr, 0);
    pid_ = -1;
    return std::chrono::duration<double>(Clock::now() - started).count();
  }
  // The database with its WAL, or without.
  uint64_t DatabaseBytes(bool with_wal = true) const { return FileBytes("") + (with_wal ? WalBytes() : 0); }
  uint64_t WalBytes() const { return FileBytes("-wal"); }
  uint64_t FileBytes(const char* suffix) const {
    std::error_code ignored;
    auto size = std::filesystem::file_size(Database() + suffix, ignored);
    return ignored ? 0 : size;
  }
  int64_t AuditRows() const { return Number("SELECT count(*) FROM mw_audit WHERE service = 'demo_echo'"); }
  // Rows ever stored (ids follow arrival and are never reused), read at once even under load.
  int64_t StoredRows() const { return Number("SELECT coalesce(max(id), 0) FROM mw_audit"); }
  int64_t Number(const char* sql) const {
    sqlite3* db = nullptr;
    int64_t rows = -1;
    if (sqlite3_open_v2(Database().c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK) {
      sqlite3_busy_timeout(db, 1000);
      sqlite3_stmt* query = nullptr;
      sqlite3_prepare_v2(db, sql, -1, &query, nullptr);
      if (query != nullptr && sqlite3_step(query) == SQLITE_ROW) rows = sqlite3_column_int64(query, 0);
      sqlite3_finalize(query);
    }
    sqlite3_close(db);
    return rows;
  }

 private:
  std::filesystem::path folder_;
  pid_t pid_ = -1;
  uint16_t port_ = 0;
};

struct Load {
  uint64_t answered = 0;
  double seconds = 0;
  double p99_us = 0;
};

// A request of `size` bytes: one letter repeated, or with RUZI_LOAD_BODY=tagged items such as
// a business call carries (codes, amounts, names), different for each `seed`.
std::string RequestBody(size_t size, unsigned seed) {
  const char* body = std::getenv("RUZI_LOAD_BODY");
  if (body == nullptr || std::string(body) != "tagged") return std::string(size, 'r');
  std::mt19937 random(seed);
  auto digits = [&](int count) {
    std::string text;
    for (int i = 0; i < count; ++i) text += static_cast<char>('0' + random() % 10);
    return text;
  };
  auto letters = [&](int count) {
    std::string text;
    for (int i = 0; i < count; ++i) text += static_cast<char>('a' + random() % 26);
    return text;
  };
  std::string request;
  for (int row = 0; request.size() < size; ++row) {
    std::string n = std::to_string(row);
    request += "<vc_fund_code" + n + ">" + digits(6) + "</vc_fund_code" + n + ">";
    request += "<en_amount" + n + ">" + digits(1 + random() % 9) + "." + digits(2) + "</en_amount" + n + ">";
    request += "<vc_name" + n + ">" + letters(4 + random() % 12) + "</vc_name" + n + ">";
  }
  request.resize(size);
  return request;
}

// Calls until `stop` is set; every thread signs on once.
// `answered`, when given, counts the answers as they come.
Load Drive(uint16_t port, size_t size, const std::atomic<bool>& stop, std::atomic<uint64_t>* answered = nullptr) {
  std::vector<std::vector<float>> latencies(kThreads);
  std::vector<std::thread> threads;
  auto started = Clock::now();
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([&, t] {
      ruzi::mwd::NativeClient client("127.0.0.1", port);
      client.SignOn("bench");
      std::string request = RequestBody(size, static_cast<unsigned>(t));
      while (!stop.load(std::memory_order_relaxed)) {
        auto before = Clock::now();
        auto answer = client.Call("demo_echo", request);
        if (!answer || !std::holds_alternative<ruzi::mw::CallReply>(*answer)) break;
        latencies[t].push_back(std::chrono::duration<float, std::micro>(Clock::now() - before).count());
        if (answered != nullptr) answered->fetch_add(1, std::memory_order_relaxed);
      }
    });
  }
  for (auto& thread : threads) thread.join();
  Load load;
  load.seconds = std::chrono::duration<double>(Clock::now() - started).count();
  std::vector<float> all;
  for (auto& own : latencies) all.insert(all.end(), own.begin(), own.end());
  load.answered = all.size();
  if (!all.empty()) {
    std::nth_element(all.begin(), all.begin() + all.size() * 99 / 100, all.end());
    load.p99_us = all[all.size() * 99 / 100];
  }
  return load;
}

// Stops the load after `seconds`, running `during` each second on the way.
template <typename Sample>
Load DriveFor(uint16_t port, size_t size, long seconds, Sample during, std::atomic<uint64_t>* answered = nullptr) {
  std::atomic<bool> stop{false};
  std::thread timer([&] {
    for (long elapsed = 0; elapsed < seconds; ++elapsed) {
      std::this_thread::sleep_for(std::chrono::seconds(1));
      during(elapsed + 1);
    }
    stop = true;
  });
  Load load = Drive(port, size, stop, answered);
  timer.join();
  return load;
}

std::string Program(int which) {
  if (which != 1) return ThisServer();
  const char* old = std::getenv("RUZI_MWD_OLD");
  return old != nullptr ? old : "";
}

// This build's servers also take the options in RUZI_LOAD_OPTIONS (words split at spaces), to
// weigh a setting beside the reference.
std::vector<std::string> Options(int which) {
  std::vector<std::string> options;
  if (which == 1) return options;
  if (which == 2) options.push_back("--audit-before-answer");
  std::istringstream words(std::getenv("RUZI_LOAD_OPTIONS") != nullptr ? std::getenv("RUZI_LOAD_OPTIONS") : "");
  for (std::string word; words >> word;) options.push_back(word);
  return options;
}

const char* kSideNames[] = {"new", "old", "stored"};

void BM_Load(benchmark::State& state) {
  const int side = static_cast<int>(state.range(1));
  std::string program = Program(side);
  size_t size = static_cast<size_t>(state.range(0));
  if (program.empty()) {
    state.SkipWithError("RUZI_MWD_OLD not set: no reference server");
    return;
  }
  long seconds = EnvironmentNumber("RUZI_LOAD_SECONDS", 60);
  for (auto _ : state) {
    ServerProcess server(program, std::string(kSideNames[side]) + std::to_string(size), Options(side));
    long rss_idle = server.ResidentKb();
    long rss_start = 0;  // once the 16 clients are connected and the writer runs
    Load load = DriveFor(server.Port(), size, seconds, [&](long elapsed) {
      if (elapsed == 2) rss_start = server.ResidentKb();
    });
    long rss_end = server.ResidentKb();
    double stop_seconds = server.Signal(SIGTERM);
    state.SetIterationTime(load.seconds);
    state.counters["calls_per_s"] = static_cast<double>(load.answered) / load.seconds;
    state.counters["p99_us"] = load.p99_us;
    state.counters["rss_idle_mb"] = rss_idle / 1024.0;
    state.counters["rss_start_mb"] = rss_start / 1024.0;
    state.counters["rss_end_mb"] = rss_end / 1024.0;
    state.counters["answered"] = static_cast<double>(load.answered);
    state.counters["audit_rows"] = static_cast<double>(server.AuditRows());
    state.counters["audit_stored"] = static_cast<double>(server.StoredRows());  // pruned rows included
    state.counters["stop_s"] = stop_seconds;
    state.counters["db_mb"] = server.DatabaseBytes() / 1048576.0;
  }
}

void BM_Soak(benchmark::State& state) {
  long seconds = EnvironmentNumber("RUZI_SOAK_SECONDS", 0);
  if (seconds <= 0) {
    state.SkipWithError("RUZI_SOAK_SECONDS not set");
    return;
  }
  for (auto _ : state) {
    ServerProcess server(ThisServer(), "soak", Options(0));
    std::atomic<uint64_t> answered{0};
    uint64_t wal_most = 0;  // the WAL's largest size seen this second and the nine before
    uint64_t wal_ever = 0;
    Load load = DriveFor(
        server.Port(), 4096, seconds,
        [&](long elapsed) {
          wal_most = std::max(wal_most, server.WalBytes());
          wal_ever = std::max(wal_ever, wal_most);
          if (elapsed % 10 != 0) return;
          // Answered calls whose rows are not stored yet: the queue, the batch being stored.
          uint64_t calls = answered.load();
          int64_t behind = static_cast<int64_t>(calls) - server.StoredRows();
          std::printf("soak %4ld s: database %.1f MB, WAL %.1f MB (largest of the last 10 looks %.1f MB), RSS %.1f MB, "
                      "answered %llu, not yet stored %lld\n",
                      elapsed, server.DatabaseBytes(false) / 1048576.0, server.WalBytes() / 1048576.0,
                      wal_most / 1048576.0, server.ResidentKb() / 1024.0, static_cast<unsigned long long>(calls),
                      static_cast<long long>(behind));
          wal_most = 0;
          std::fflush(stdout);
        },
        &answered);
    state.SetIterationTime(load.seconds);
    state.counters["calls_per_s"] = static_cast<double>(load.answered) / load.seconds;
    state.counters["db_mb"] = server.DatabaseBytes() / 1048576.0;
    state.counters["wal_most_mb"] = wal_ever / 1048576.0;
  }
}

void BM_KilledServer(benchmark::State& state) {
  std::string program = Program(static_cast<int>(state.range(0)));
  long seconds = EnvironmentNumber("RUZI_KILL_SECONDS", 0);
  if (seconds <= 0 || program.empty()) {
    state.SkipWithError("RUZI_KILL_SECONDS (and RUZI_MWD_OLD for the reference) not set");
    return;
  }
  for (auto _ : state) {
    ServerProcess server(program, std::string("kill-") + kSideNames[state.range(0)], Options(static_cast<int>(state.range(0))));
    std::atomic<bool> stop{false};
    Load load;
    std::thread driver([&] { load = Drive(server.Port(), 4096, stop); });
    std::this_thread::sleep_for(std::chrono::seconds(seconds));
    server.Signal(SIGKILL);  // the clients see their connections drop and stop counting
    stop = true;
    driver.join();
    state.SetIterationTime(load.seconds);
    int64_t rows = server.AuditRows();
    state.counters["answered"] = static_cast<double>(load.answered);
    state.counters["audit_rows"] = static_cast<double>(rows);
    state.counters["lost_percent"] = 100.0 * (static_cast<double>(load.answered) - rows) / load.answered;
  }
}

// Each triple alternates this build, the reference and this build storing before answering.
BENCHMARK(BM_Load)->ArgsProduct({{100, 4096}, {0, 1, 2}})->ArgNames({"bytes", "server"})->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
BENCHMARK(BM_Soak)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
BENCHMARK(BM_KilledServer)->Arg(0)->Arg(1)->Arg(2)->ArgName("server")->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

}  // namespace

BENCHMARK_MAIN();
