#pragma once
// Command line of ruzi-mwd. Every cap has a default small enough that a hostile client
// cannot exhaust the machine and large enough for the client's own tests.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "audit_trail.h"
#include "platform/clock.h"

namespace ruzi::mwd {

struct ServerOptions {
  std::string bind_address = "127.0.0.1";
  uint16_t port = 0;         // 0: the system picks a free port
  std::string port_file;     // the chosen port is written here once the server listens
  std::string database = "ruzi-mwd.db";
  bool fresh_database = false;  // remove the database file before start
  int64_t holdings = -1;        // --holdings N: rows of the holdings table (-1: left as it is)
  // "administrator|operator USER PASSWORD" lines; RUZI_MWD_CREDENTIALS names it when unset.
  // No password is ever an option: `ps` shows the command line.
  std::string credentials_file;
  std::string log_directory; // empty: beside the database
  uint32_t delay_ms = 0;     // added to every call and probe (speed tests)
  uint32_t max_body_bytes = 16u * 1024u * 1024u;
  uint32_t max_connections = 512;
  uint32_t max_connections_per_peer = 256;  // per client address
  uint32_t max_calls_in_progress = 256;
  // Before a sign-on only frames this small are taken, and the sign-on must come in time.
  uint32_t sign_on_frame_bytes = 4096;
  uint32_t sign_on_timeout_ms = 10000;
  // A begun frame must be complete within this, and an answer must be taken within it.
  uint32_t incomplete_frame_ms = 30000;
  std::optional<platform::LocalDateTime> fixed_clock;  // --clock yyyymmddhhnnss
  AuditLimits audit;
  bool demo_services = true;  // --no-demo keeps the demo_* services out
  // demo_slow waits at most this long, whatever the request asks.
  uint32_t max_slow_ms = 60000;
  // Process control (main only).
  bool detach = false;
  bool stop = false;
  std::string pid_file;
  // --stop waits this long for the server to store its audit queue and exit.
  uint32_t stop_wait_ms = 30000;
};

// Throws std::invalid_argument with a one-line reason.
ServerOptions ParseServerOptions(const std::vector<std::string>& args);
const char* ServerUsage();
// --log-dir, or the database's folder.
std::string ServerLogDirectory(const ServerOptions& options);

}  // namespace ruzi::mwd
