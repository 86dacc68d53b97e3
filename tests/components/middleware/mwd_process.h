#pragma once
// Servers for the middleware tests: the shared one started by the CTest fixture, and
// private ones a test starts (and may kill) itself.
#include <sys/types.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "native_client.h"

namespace ruzi::testing {

// The port of the fixture's server, read from the file it wrote.
uint16_t FixturePort();
std::string FixtureDatabase();
// The credentials every test server runs with, which the build writes beside the fixtures'
// folders: an administrator's password for any user name, everyone else an operator.
std::string TestCredentialsFile();
std::string TestAdministratorPassword();
// A connection to a test server, signed on as `user` (an operator without the password).
mwd::NativeClient SignedOnClient(uint16_t port, const std::string& user, const std::string& password = "");
mwd::NativeClient AdministratorClient(uint16_t port);
// Sends a demo_slow call of `ms` milliseconds without waiting for its answer.
bool SendSlowCall(mwd::NativeClient& client, int ms, uint32_t sequence);
// The server's session count from a probe; nothing while it refuses the probe (at its cap).
std::optional<uint32_t> SessionCount(uint16_t port);
// Polls: sessions end when the server's thread notices the peer is gone.
bool SessionCountBecomes(uint16_t port, uint32_t expected);
// `count` threads, each with a client of its own signed on as `user`, doing `work`; returns once all are done.
void OnClients(uint16_t port, int count, const std::function<void(mwd::NativeClient&, int)>& work,
               const std::string& user = "load");
// --credentials of a site whose users are an administrator "root" (r00t) and an operator "desk" (d3sk).
std::vector<std::string> SiteUsers(const std::string& name);

// A ruzi-mwd process of the test's own, with a fresh database in a fresh folder and the
// tests' credentials (RUZI_MWD_CREDENTIALS, unless `environment` names its own).
class MwdProcess {
 public:
  // `environment`: NAME=value entries added to the server's environment.
  explicit MwdProcess(const std::string& name, std::vector<std::string> extra_args = {},
                      std::vector<std::string> environment = {});
  ~MwdProcess();  // SIGKILL if still running
  MwdProcess(const MwdProcess&) = delete;
  MwdProcess& operator=(const MwdProcess&) = delete;

  uint16_t Port() const { return port_; }
  pid_t Pid() const { return pid_; }
  const std::string& Folder() const { return folder_; }
  std::string Database() const { return folder_ + "mwd.db"; }
  std::string LogText() const;
  // Resident memory in KB (VmRSS).
  long ResidentKb() const;
  // Sends the signal and waits for the exit; the wait status.
  int SignalAndWait(int signal);
  // Starts again on the same database (a fresh port file); the server must be stopped.
  void Restart();

 private:
  void Start();

  std::string folder_;
  std::vector<std::string> args_;
  std::vector<std::string> environment_;
  pid_t pid_ = -1;
  uint16_t port_ = 0;
};

}  // namespace ruzi::testing
