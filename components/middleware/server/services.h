#pragma once
// The services ruzi-mwd offers. Names, ids and function numbers are listed in
// docs/middleware-protocol.md.
#include "service_registry.h"

namespace ruzi::mwd {

// The library's own back-end calls (risk check, server clock, parameters, operation log).
void RegisterBusinessServices(ServiceRegistry& registry);
// One service per branch of the reply convention and per failure the client must handle.
void RegisterDemoServices(ServiceRegistry& registry);
// A reply in the record-pack text format (demo_recpack).
void RegisterRecordPackService(ServiceRegistry& registry);
// The audit trail read back, counted and pruned through the middleware (mw_audit...).
void RegisterAuditService(ServiceRegistry& registry);
// svc_syslogop_rc (stores operation-log records) and, an administrator's, mw_syslog (reads them).
void RegisterOperationLogService(ServiceRegistry& registry);
void RegisterOperationLogReader(ServiceRegistry& registry);
// The reference-data tables of the client's cache (reference_data_services.cpp).
void RegisterReferenceDataServices(ServiceRegistry& registry);
// Queries kept by name in the database, run for the client's query dataset (qx_query).
void RegisterNamedQueryService(ServiceRegistry& registry);
// Function-number calls over SDK packets (sdk_demo_functions.cpp).
void RegisterSdkDemoFunctions(ServiceRegistry& registry);

// `demo`: false for a production server (--no-demo). The demo services are any signed-on
// user's (the client's tests and the demo call them as operators); the audit trail is an
// administrator's.
inline void RegisterServices(ServiceRegistry& registry, bool demo) {
  RegisterBusinessServices(registry);
  RegisterOperationLogService(registry);
  RegisterReferenceDataServices(registry);
  RegisterNamedQueryService(registry);
  if (demo) {
    RegisterDemoServices(registry);
    RegisterRecordPackService(registry);
    RegisterSdkDemoFunctions(registry);
  }
  registry.AddingFor(Role::Administrator);
  RegisterAuditService(registry);
  RegisterOperationLogReader(registry);
}

}  // namespace ruzi::mwd
