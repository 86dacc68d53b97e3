#pragma once
// Command line of ruzi-mwd. Every cap has a default small enough that a hostile client
// cannot exhaust the machine and large enough for the client's own tests.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/clock.h"

namespace ruzi::mwd {

struct ServerOptions {
  std::string bind_address = "127.0.0.1";
  uint16_t port = 0;         // 0: the system picks a free port
  std::string port_file;     // the chosen port is written here once the server listens
  std::string database = "ruzi-mwd.db";
  bool fresh_database = false;  // remove the database file before start
  std::string password;      // empty: any sign-on password is accepted
  std::string log_directory; // empty: beside the database
  uint32_t delay_ms = 0;     // added to every call and probe (speed tests)
  uint32_t max_body_bytes = 16u * 1024u * 1024u;
  uint32_t max_connections = 512;
  uint32_t max_calls_in_progress = 256;
  // A begun frame must be complete within this, and an answer must be taken within it.
  uint32_t incomplete_frame_ms = 30000;
  std::optional<platform::LocalDateTime> fixed_clock;  // --clock yyyymmddhhnnss
  // Process control (main only).
  bool detach = false;
  bool stop = false;
  std::string pid_file;
};

// Throws std::invalid_argument with a one-line reason.
ServerOptions ParseServerOptions(const std::vector<std::string>& args);
const char* ServerUsage();
// --log-dir, or the database's folder.
std::string ServerLogDirectory(const ServerOptions& options);

}  // namespace ruzi::mwd
