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
// The audit trail read back through the middleware (mw_audit).
void RegisterAuditService(ServiceRegistry& registry);
// The reference-data tables of the client's cache (reference_data_services.cpp).
void RegisterReferenceDataServices(ServiceRegistry& registry);
// Function-number calls over SDK packets (sdk_demo_functions.cpp).
void RegisterSdkDemoFunctions(ServiceRegistry& registry);

inline void RegisterServices(ServiceRegistry& registry) {
  RegisterBusinessServices(registry);
  RegisterDemoServices(registry);
  RegisterRecordPackService(registry);
  RegisterAuditService(registry);
  RegisterReferenceDataServices(registry);
  RegisterSdkDemoFunctions(registry);
}

}  // namespace ruzi::mwd
