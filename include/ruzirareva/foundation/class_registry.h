#pragma once
// Component classes registered by name, so that a host (or a form description) can create one
// from its class name alone. Names match with ASCII letters folded. Registration and lookup
// may come from any thread; a class is registered once for the life of the process.
#include <string_view>
#include <vector>

#include "ruzirareva/export.h"
#include "ruzirareva/foundation/class_record.h"
#include "ruzirareva/foundation/component.h"

namespace ruzi {

// Makes a new component of one class, owned by `owner` (nullptr: none).
using TComponentFactory = TComponent* (*)(TComponent* owner);

// Registers a class by its record's name. Registering the same name again with the same factory
// does nothing; another factory under a registered name raises ruzi::Error.
RUZI_API void RegisterComponentClass(const TClassRecord* record, TComponentFactory factory);
// The record registered under `name`, or nullptr.
RUZI_API const TClassRecord* GetClass(std::string_view name);
// The same, raising ruzi::Error "Class <name> not found" when there is none.
RUZI_API const TClassRecord* FindClass(std::string_view name);
// A new component of the class registered under `class_name`; raises like FindClass.
RUZI_API TComponent* CreateComponent(std::string_view class_name, TComponent* owner);
// Every registered class, in registration order.
RUZI_API std::vector<const TClassRecord*> RegisteredClasses();

// RegisterComponentClass for a class with a constructor taking its owner.
template <typename Class>
void RegisterComponentClass() {
  RegisterComponentClass(Class::ClassRecord(), [](TComponent* owner) -> TComponent* { return new Class(owner); });
}

}  // namespace ruzi
