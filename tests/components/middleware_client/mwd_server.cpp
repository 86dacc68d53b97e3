#include "mwd_server.h"

#include <windows.h>

#include <chrono>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <thread>

#include "platform/environment.h"
#include "tcp_connection.h"
#include "test_paths.h"

namespace ruzi::testing {
namespace {

using Clock = std::chrono::steady_clock;

long WaitForNumber(const std::string& path) {
  for (auto end = Clock::now() + std::chrono::seconds(20); Clock::now() < end;) {
    long value = 0;
    if (std::ifstream(path) >> value && value > 0) return value;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  throw std::runtime_error("no number in " + path);
}

// Starts a Linux program through Wine; nothing to wait on, the caller watches its effects.
void StartUnixProgram(std::string command_line) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, command_line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    throw std::runtime_error("cannot start " + command_line);
  }
  if (process.hProcess != nullptr) CloseHandle(process.hProcess);
  if (process.hThread != nullptr) CloseHandle(process.hThread);
}

}  // namespace

uint16_t FixturePort() { return static_cast<uint16_t>(WaitForNumber(RUZI_CLIENT_FIXTURE_DIR "/port")); }

std::string FixtureAddress() { return "//127.0.0.1:" + std::to_string(FixturePort()); }

void UseFixtureServer() { platform::SetEnvironment("WSNADDR", FixtureAddress()); }

std::string UnixPath(const std::string& windows_path) {
  using ToUnix = char* (*)(const wchar_t*);
  auto convert = reinterpret_cast<ToUnix>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
  if (convert == nullptr) return "";
  std::wstring wide(windows_path.begin(), windows_path.end());
  char* unix_path = convert(wide.c_str());
  if (unix_path == nullptr) return "";
  std::string result(unix_path);
  HeapFree(GetProcessHeap(), 0, unix_path);
  return result;
}

bool WaitRefused(uint16_t port, int timeout_ms) {
  auto end = Clock::now() + std::chrono::milliseconds(timeout_ms);
  while (Clock::now() < end) {
    mw::TcpConnection probe;
    if (!probe.Open("127.0.0.1", port, 1000) && probe.Failure() == mw::NetFailure::Refused) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return false;
}

PrivateServer::PrivateServer(const std::string& name, const std::vector<std::string>& extra_args)
    : folder_(FreshTestFolder("wsclient-" + name)) {
  std::string unix_folder = UnixPath(folder_);
  if (unix_folder.empty()) throw std::runtime_error("no Unix path for " + folder_);
  if (unix_folder.back() != '/') unix_folder += '/';
  std::string command = std::string(RUZI_MWD_UNIX_PATH) + " --detach --fresh --port 0 --port-file " + unix_folder +
                        "port --pid-file " + unix_folder + "pid --db " + unix_folder + "mwd.db --log-dir " +
                        unix_folder + " --credentials " + RUZI_MWD_TEST_CREDENTIALS;
  for (const std::string& arg : extra_args) command += " " + arg;
  StartUnixProgram(command);
  port_ = static_cast<uint16_t>(WaitForNumber(folder_ + "port"));
  pid_ = WaitForNumber(folder_ + "pid");
  running_ = true;
}

PrivateServer::~PrivateServer() {
  if (running_) Kill();
}

std::string PrivateServer::Address() const { return "//127.0.0.1:" + std::to_string(port_); }

std::string PrivateServer::LogText() const {
  std::ifstream in(folder_ + "ruzi-mwd.log", std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void PrivateServer::Signal(const char* name) {
  StartUnixProgram("/bin/kill -" + std::string(name) + " " + std::to_string(pid_));
}

char PrivateServer::ProcessState() const {
  // /proc/<pid>/stat: "pid (name) S ...", the state right after the closing parenthesis.
  std::ifstream in("Z:\\proc\\" + std::to_string(pid_) + "\\stat");
  std::string text;
  std::getline(in, text);
  size_t close = text.rfind(')');
  return close == std::string::npos || close + 2 >= text.size() ? '\0' : text[close + 2];
}

void PrivateServer::Kill() {
  Signal("KILL");
  running_ = false;
  if (!WaitRefused(port_, 10000)) throw std::runtime_error("server still accepts after SIGKILL");
}

void PrivateServer::Freeze() {
  if (!SignalAndWait("STOP", true)) throw std::runtime_error("server not stopped");
}

void PrivateServer::Thaw() { SignalAndWait("CONT", false); }

bool PrivateServer::SignalAndWait(const char* name, bool stopped) {
  Signal(name);
  auto end = Clock::now() + std::chrono::seconds(10);
  while ((ProcessState() == 'T') != stopped && Clock::now() < end) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  return (ProcessState() == 'T') == stopped;
}

}  // namespace ruzi::testing
