#include "server_state.h"

#include <filesystem>

#include "fixed_clock.h"
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

}  // namespace

ServerState::ServerState(ServerOptions server_options)
    : options(std::move(server_options)),
      fixed_clock(MakeFixedClock(options)),
      clock(fixed_clock ? *fixed_clock : platform::SystemClock()),
      log(ServerLogDirectory(options)),
      database(FreshPath(options)),
      audit(database) {
  bool created = database.With([](sqlite3* db) { return CreateSchemaIfMissing(db); });
  if (database.With([](sqlite3* db) { return CreateReferenceDataIfMissing(db); })) log.Write("reference data seeded");
  log.Write(created ? "database created and seeded: " + options.database : "database opened: " + options.database);
}

}  // namespace ruzi::mwd
