#include "server_state.h"

#include <filesystem>

#include "fixed_clock.h"
#include "named_query_seed.h"
#include "platform/environment.h"
#include "reference_data_seed.h"
#include "schema.h"

namespace ruzi::mwd {
namespace {

const std::string& FreshPath(const ServerOptions& options) {
  if (options.fresh_database) {
    for (const char* suffix : {"", "-wal", "-shm"}) std::filesystem::remove(options.database + suffix);
  }
  return options.database;
}

std::unique_ptr<platform::Clock> MakeFixedClock(const ServerOptions& options) {
  if (!options.fixed_clock) return nullptr;
  return std::make_unique<FixedClock>(*options.fixed_clock);
}

Credentials LoadCredentials(const ServerOptions& options) {
  std::string file = options.credentials_file;
  if (file.empty()) file = platform::FindEnvironment("RUZI_MWD_CREDENTIALS").value_or("");
  if (!file.empty()) return Credentials::FromFile(file);
  if (!options.password.empty()) return Credentials::SharedPassword(options.password);
  return Credentials::Open();
}

}  // namespace

ServerState::ServerState(ServerOptions server_options)
    : options(std::move(server_options)),
      fixed_clock(MakeFixedClock(options)),
      clock(fixed_clock ? *fixed_clock : platform::SystemClock()),
      log(ServerLogDirectory(options)),
      database(FreshPath(options)),
      audit(database, options.audit),
      credentials(LoadCredentials(options)) {
  if (credentials.IsOpen()) log.Write("no credentials: every sign-on is an administrator (development only)");
  bool created = database.With([](sqlite3* db) { return CreateSchemaIfMissing(db); });
  if (database.With([](sqlite3* db) { return CreateReferenceDataIfMissing(db); })) log.Write("reference data seeded");
  if (options.holdings >= 0) {
    database.With([this](sqlite3* db) { FillHoldings(db, options.holdings); });
    log.Write("holdings: " + std::to_string(options.holdings) + " rows");
  }
  log.Write(created ? "database created and seeded: " + options.database : "database opened: " + options.database);
}

}  // namespace ruzi::mwd
