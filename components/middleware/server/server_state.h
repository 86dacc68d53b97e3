#pragma once
// Everything the connections and services of one server share.
#include <atomic>
#include <cstdint>
#include <memory>

#include "audit_trail.h"
#include "credentials.h"
#include "database.h"
#include "kept_pages.h"
#include "platform/clock.h"
#include "server_log.h"
#include "server_options.h"
#include "service_registry.h"
#include "sign_on_guard.h"
#include "stop_signal.h"

namespace ruzi::mwd {

struct ServerState {
  explicit ServerState(ServerOptions server_options);

  ServerOptions options;
  std::unique_ptr<platform::Clock> fixed_clock;
  platform::Clock& clock;  // the date and time services report
  ServerLog log;
  Database database;
  KeptPages kept_pages;  // later pages of named queries
  AuditTrail audit;
  Credentials credentials;
  SignOnGuard sign_on_guard;
  ServiceRegistry services;
  StopSignal stop;
  std::atomic<uint32_t> sessions{0};
  std::atomic<uint32_t> calls_in_progress{0};
  std::atomic<uint32_t> last_session_id{0};
};

}  // namespace ruzi::mwd
