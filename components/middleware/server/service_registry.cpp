#include "service_registry.h"

namespace ruzi::mwd {
namespace {

template <typename Map, typename Key>
const RegisteredService* Lookup(const Map& map, const Key& key) {
  auto it = map.find(key);
  return it != map.end() ? &it->second : nullptr;
}

}  // namespace

const RegisteredService* ServiceRegistry::Find(const mw::CallRequest& request) const {
  switch (request.kind) {
    case mw::CallKind::ByName:
      return Lookup(by_name_, request.service);
    case mw::CallKind::ById:
      return Lookup(by_id_, request.number);
    case mw::CallKind::ByFunction:
      return Lookup(by_function_, request.number);
  }
  return nullptr;
}

}  // namespace ruzi::mwd
