#include "foundation/class_registry.h"

#include <mutex>
#include <string>

#include "foundation/error.h"
#include "platform/ascii_case.h"

namespace ruzi {
namespace {

struct Registered {
  const TClassRecord* record;
  TComponentFactory factory;
};

// A handful of classes: a list searched in order is enough.
struct Registry {
  std::mutex lock;
  std::vector<Registered> classes;

  const Registered* Find(std::string_view name) const {
    for (const Registered& entry : classes) {
      if (AsciiEqualIgnoreCase(entry.record->Name, name)) return &entry;
    }
    return nullptr;
  }
};

// Never destroyed: lookups from other units' end steps stay valid.
Registry& TheRegistry() {
  static Registry* registry = new Registry;
  return *registry;
}

Registered FindRegistered(std::string_view name) {
  Registry& registry = TheRegistry();
  std::lock_guard<std::mutex> guard(registry.lock);
  const Registered* entry = registry.Find(name);
  if (entry == nullptr) throw Error("Class " + std::string(name) + " not found");
  return *entry;
}

}  // namespace

void RegisterComponentClass(const TClassRecord* record, TComponentFactory factory) {
  Registry& registry = TheRegistry();
  std::lock_guard<std::mutex> guard(registry.lock);
  if (const Registered* entry = registry.Find(record->Name)) {
    if (entry->factory == factory) return;
    throw Error("A class named " + std::string(record->Name) + " already exists");
  }
  registry.classes.push_back(Registered{record, factory});
}

const TClassRecord* GetClass(std::string_view name) {
  Registry& registry = TheRegistry();
  std::lock_guard<std::mutex> guard(registry.lock);
  const Registered* entry = registry.Find(name);
  return entry == nullptr ? nullptr : entry->record;
}

const TClassRecord* FindClass(std::string_view name) { return FindRegistered(name).record; }

TComponent* CreateComponent(std::string_view class_name, TComponent* owner) {
  return FindRegistered(class_name).factory(owner);
}

std::vector<const TClassRecord*> RegisteredClasses() {
  Registry& registry = TheRegistry();
  std::lock_guard<std::mutex> guard(registry.lock);
  std::vector<const TClassRecord*> records;
  for (const Registered& entry : registry.classes) records.push_back(entry.record);
  return records;
}

}  // namespace ruzi
