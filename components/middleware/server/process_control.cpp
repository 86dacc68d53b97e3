#include "process_control.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/types.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <stdexcept>
#include <thread>

namespace ruzi::mwd {
namespace {

int g_ready_fd = -1;

long ReadPid(const std::string& pid_file) {
  std::ifstream in(pid_file);
  long pid = 0;
  if (!(in >> pid) || pid <= 1) return 0;
  return pid;
}

// Alive and not a zombie (a detached server's parent may never reap it).
bool Running(long pid) {
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  std::string text;
  if (!std::getline(stat, text)) return false;
  size_t close = text.rfind(')');
  return close != std::string::npos && close + 2 < text.size() && text[close + 2] != 'Z';
}

bool IsServer(long pid) {
  std::ifstream comm("/proc/" + std::to_string(pid) + "/comm");
  std::string name;
  std::getline(comm, name);
  return name == "ruzi-mwd";
}

}  // namespace

int DetachAndWaitReady(const std::string& error_file) {
  int fds[2];
  if (::pipe2(fds, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
  pid_t child = ::fork();
  if (child < 0) throw std::runtime_error("fork failed");
  if (child == 0) {
    ::close(fds[0]);
    g_ready_fd = fds[1];
    ::setsid();
    // Nothing may hold the caller's pipes open, or a test runner would wait for the server.
    int null = ::open("/dev/null", O_RDWR);
    ::dup2(null, 0);
    ::dup2(null, 1);
    if (null > 2) ::close(null);
    int errors = ::open(error_file.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
    ::dup2(errors >= 0 ? errors : 1, 2);
    if (errors > 2) ::close(errors);
    return -1;
  }
  ::close(fds[1]);
  char byte = 0;
  ssize_t got;
  do {
    got = ::read(fds[0], &byte, 1);
  } while (got < 0 && errno == EINTR);
  ::close(fds[0]);
  return got == 1 ? 0 : 1;
}

void ReportReady() {
  if (g_ready_fd < 0) return;
  char byte = 'r';
  [[maybe_unused]] ssize_t written = ::write(g_ready_fd, &byte, 1);
  ::close(g_ready_fd);
  g_ready_fd = -1;
}

int StopServer(const std::string& pid_file, uint32_t wait_ms) {
  long pid = ReadPid(pid_file);
  if (pid == 0 || !Running(pid)) return 0;
  ::kill(static_cast<pid_t>(pid), SIGTERM);
  auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(wait_ms);
  while (std::chrono::steady_clock::now() < end) {
    if (!Running(pid)) return 0;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return 1;
}

void StopLeftover(const std::string& pid_file) {
  long pid = ReadPid(pid_file);
  if (pid != 0 && pid != ::getpid() && Running(pid) && IsServer(pid)) StopServer(pid_file, 10000);
}

void WriteNumberFile(const std::string& path, long value) {
  std::string temporary = path + ".tmp";
  {
    std::ofstream out(temporary, std::ios::trunc);
    out << value << '\n';
    if (!out) throw std::runtime_error("cannot write " + temporary);
  }
  if (std::rename(temporary.c_str(), path.c_str()) != 0) throw std::runtime_error("cannot write " + path);
}

}  // namespace ruzi::mwd
