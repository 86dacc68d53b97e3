#pragma once
// The services ruzi-mwd offers. Names, ids and function numbers are listed in
// docs/middleware-protocol.md.
#include "service_registry.h"

namespace ruzi::mwd {

// The library's own back-end calls (risk check, server clock, parameters, operation log).
void RegisterBusinessServices(ServiceRegistry& registry);
// One service per branch of the reply convention and per failure the client must handle.
void RegisterDemoServices(ServiceRegistry& registry);

inline void RegisterServices(ServiceRegistry& registry) {
  RegisterBusinessServices(registry);
  RegisterDemoServices(registry);
}

}  // namespace ruzi::mwd
