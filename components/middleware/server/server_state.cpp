#include "server_state.h"

#include <sys/stat.h>

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

std::string CredentialsFile(const ServerOptions& options) {
  if (!options.credentials_file.empty()) return options.credentials_file;
  return platform::FindEnvironment("RUZI_MWD_CREDENTIALS").value_or("");
}

Credentials LoadCredentials(const std::string& file) {
  return file.empty() ? Credentials::Default() : Credentials::FromFile(file);
}

// What the log says at start about who may do what.
void LogCredentials(ServerLog& log, const std::string& file, const Credentials& credentials) {
  if (file.empty()) {
    log.Write("no credentials file: every sign-on is an operator, nobody may set parameters or read the audit");
    return;
  }
  log.Write("credentials from " + file + (credentials.HasAdministrator() ? "" : " (no administrator listed)") +
            (credentials.AnyoneIsOperator() ? "; anyone else signs on as an operator" : ""));
  struct stat info {};
  if (::stat(file.c_str(), &info) == 0 && (info.st_mode & 077) != 0) {
    log.Write("warning: credentials file " + file + " is readable by other users (chmod 600)");
  }
}

}  // namespace

ServerState::ServerState(ServerOptions server_options)
    : options(std::move(server_options)),
      fixed_clock(MakeFixedClock(options)),
      clock(fixed_clock ? *fixed_clock : platform::SystemClock()),
      log(ServerLogDirectory(options)),
      database(FreshPath(options)),
      audit(database, options.audit),
      credentials(LoadCredentials(CredentialsFile(options))) {
  LogCredentials(log, CredentialsFile(options), credentials);
  bool created = database.With([](sqlite3* db) { return CreateSchemaIfMissing(db); });
  if (database.With([](sqlite3* db) { return CreateReferenceDataIfMissing(db); })) log.Write("reference data seeded");
  if (options.holdings >= 0) {
    database.With([this](sqlite3* db) { FillHoldings(db, options.holdings); });
    log.Write("holdings: " + std::to_string(options.holdings) + " rows");
  }
  log.Write(created ? "database created and seeded: " + options.database : "database opened: " + options.database);
}

}  // namespace ruzi::mwd
