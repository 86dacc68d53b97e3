#include "mwd_process.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

#include "test_paths.h"

extern char** environ;

namespace ruzi::testing {
namespace {

uint16_t WaitForPortFile(const std::string& path, pid_t pid) {
  auto end = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (std::chrono::steady_clock::now() < end) {
    std::ifstream in(path);
    long port = 0;
    if (in >> port && port > 0) return static_cast<uint16_t>(port);
    if (pid > 0 && ::waitpid(pid, nullptr, WNOHANG) == pid) throw std::runtime_error("ruzi-mwd exited at start");
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  throw std::runtime_error("no port file: " + path);
}

}  // namespace

uint16_t FixturePort() { return WaitForPortFile(RUZI_MWD_FIXTURE_DIR "/port", -1); }

std::string FixtureDatabase() { return RUZI_MWD_FIXTURE_DIR "/mwd.db"; }

std::string TestCredentialsFile() {
  return (std::filesystem::path(RUZI_MWD_FIXTURE_DIR).parent_path() / "mwd-test-credentials").string();
}

std::string TestAdministratorPassword() {
  std::ifstream in(TestCredentialsFile());
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    std::string role, user, password;
    if (fields >> role >> user >> password && role == "administrator" && user == "*") return password;
  }
  throw std::runtime_error("no administrator in " + TestCredentialsFile());
}

mwd::NativeClient SignedOnClient(uint16_t port, const std::string& user, const std::string& password) {
  mwd::NativeClient client("127.0.0.1", port);
  auto answer = client.SignOn(user, password);
  if (!answer || !std::holds_alternative<mw::SignOnReply>(*answer)) throw std::runtime_error("sign-on failed");
  return client;
}

mwd::NativeClient AdministratorClient(uint16_t port) {
  return SignedOnClient(port, "test-admin", TestAdministratorPassword());
}

bool SendSlowCall(mwd::NativeClient& client, int ms, uint32_t sequence) {
  mw::CallRequest slow;
  slow.service = "demo_slow";
  slow.data = "<ms>" + std::to_string(ms) + "</ms>";
  return client.Send(slow, sequence);
}

std::optional<uint32_t> SessionCount(uint16_t port) {
  mwd::NativeClient probe("127.0.0.1", port);
  auto answer = probe.Ask(mw::ProbeRequest{}, 2000);
  if (!answer || !std::holds_alternative<mw::ProbeReply>(*answer)) return std::nullopt;
  return std::get<mw::ProbeReply>(*answer).session_count;
}

bool SessionCountBecomes(uint16_t port, uint32_t expected) {
  for (int i = 0; i < 500; ++i) {
    if (SessionCount(port) == expected) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return false;
}

void OnClients(uint16_t port, int count, const std::function<void(mwd::NativeClient&, int)>& work, const std::string& user) {
  std::vector<std::thread> threads;
  for (int t = 0; t < count; ++t) {
    threads.emplace_back([&, t] {
      mwd::NativeClient client = SignedOnClient(port, user);
      work(client, t);
    });
  }
  for (auto& thread : threads) thread.join();
}

std::vector<std::string> SiteUsers(const std::string& name) {
  std::string users = FreshTestFolder("mwd-" + name + "-users") + "users";
  std::ofstream(users) << "# site users\nadministrator root r00t\noperator desk d3sk\n";
  return {"--credentials", users};
}

MwdProcess::MwdProcess(const std::string& name, std::vector<std::string> extra_args,
                       std::vector<std::string> environment)
    : folder_(FreshTestFolder("mwd-" + name)), args_(std::move(extra_args)), environment_(std::move(environment)) {
  const std::string credentials = "RUZI_MWD_CREDENTIALS=";
  bool named = false;
  for (const std::string& entry : environment_) named = named || entry.rfind(credentials, 0) == 0;
  if (!named) environment_.push_back(credentials + TestCredentialsFile());
  Start();
}

MwdProcess::~MwdProcess() {
  if (pid_ > 0) SignalAndWait(SIGKILL);
}

void MwdProcess::Start() {
  std::string port_file = folder_ + "port";
  std::filesystem::remove(port_file);
  std::vector<std::string> args = {RUZI_MWD_PATH, "--port",    "0",        "--port-file", port_file,
                                   "--db",        Database(), "--log-dir", folder_};
  args.insert(args.end(), args_.begin(), args_.end());
  // The test's entries replace inherited ones of the same name (the first of two would win).
  std::vector<std::string> environment = environment_;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    std::string_view inherited(*entry);
    std::string_view name = inherited.substr(0, inherited.find('=') + 1);
    bool replaced = false;
    for (const std::string& own : environment_) replaced = replaced || own.rfind(name, 0) == 0;
    if (!replaced) environment.emplace_back(inherited);
  }
  pid_ = ::fork();
  if (pid_ < 0) throw std::runtime_error("fork failed");
  if (pid_ == 0) {
    std::vector<char*> argv;
    for (auto& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (auto& entry : environment) envp.push_back(entry.data());
    envp.push_back(nullptr);
    ::execve(argv[0], argv.data(), envp.data());
    ::_exit(127);
  }
  port_ = WaitForPortFile(port_file, pid_);
}

void MwdProcess::Restart() {
  if (pid_ > 0) throw std::logic_error("server still running");
  Start();
}

int MwdProcess::SignalAndWait(int signal) {
  if (pid_ <= 0) return -1;
  ::kill(pid_, signal);
  int status = 0;
  ::waitpid(pid_, &status, 0);
  pid_ = -1;
  return status;
}

std::string MwdProcess::LogText() const {
  std::ifstream in(folder_ + "ruzi-mwd.log");
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

long MwdProcess::ResidentKb() const {
  std::ifstream status("/proc/" + std::to_string(pid_) + "/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
  }
  return -1;
}

}  // namespace ruzi::testing
