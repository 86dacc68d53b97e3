#pragma once
// ruzi-mwd for the client's tests under Wine. The server is a Linux program: Wine starts it
// as one, and signals reach it through /bin/kill. The fixture's server is shared (its port
// file is known at build time); a test that stops, freezes or kills its server starts a
// private one.
#include <cstdint>
#include <string>
#include <vector>

namespace ruzi::testing {

uint16_t FixturePort();
// "//127.0.0.1:<port>" of the fixture's server.
std::string FixtureAddress();
// Makes the fixture's server this process's WSNADDR.
void UseFixtureServer();

// Started with the tests' credentials (RUZI_MWD_TEST_CREDENTIALS) unless `extra_args` give
// another --credentials.
class PrivateServer {
 public:
  explicit PrivateServer(const std::string& name, const std::vector<std::string>& extra_args = {});
  ~PrivateServer();  // killed if still there
  PrivateServer(const PrivateServer&) = delete;
  PrivateServer& operator=(const PrivateServer&) = delete;

  uint16_t Port() const { return port_; }
  std::string Address() const;
  // What the server wrote to its log so far.
  std::string LogText() const;
  // SIGKILL; returns once the port refuses connections.
  void Kill();
  // SIGSTOP and SIGCONT; each returns once the process is in that state.
  void Freeze();
  void Thaw();

 private:
  void Signal(const char* name);
  // Signals, then waits (10 s at most) until the process is stopped or not; whether it is.
  bool SignalAndWait(const char* name, bool stopped);
  char ProcessState() const;

  std::string folder_;  // Windows path, ending with a separator
  long pid_ = 0;
  uint16_t port_ = 0;
  bool running_ = false;
};

// The Unix path of a Windows path (through Wine), "" when there is none.
std::string UnixPath(const std::string& windows_path);
// Waits until a connection to 127.0.0.1:port is refused (true) or `timeout_ms` passes.
bool WaitRefused(uint16_t port, int timeout_ms);

}  // namespace ruzi::testing
