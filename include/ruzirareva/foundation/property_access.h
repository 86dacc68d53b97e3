#pragma once
// Published properties and events of an object, by name (letter case ignored), searched from
// its own class up through its ancestors. Unknown names and texts that are no value of the
// property's type raise ruzi::Error naming the class, the property and the text. Calls touch
// only the object given: the caller keeps it on one thread.
#include <string>
#include <string_view>
#include <vector>

#include "ruzirareva/export.h"
#include "ruzirareva/foundation/class_record.h"
#include "ruzirareva/foundation/method.h"
#include "ruzirareva/foundation/persistent.h"
#include "ruzirareva/foundation/published_property.h"

namespace ruzi {

// The property of this name, the nearest class first; nullptr when there is none.
RUZI_API const TPropertyInfo* FindPropInfo(const TClassRecord* record, std::string_view name);
RUZI_API const TEventInfo* FindEventInfo(const TClassRecord* record, std::string_view name);

// Every published property (events apart), the root class's first, each class's in its table's
// order; a name published again lower down replaces the ancestor's in its place.
RUZI_API std::vector<const TPropertyInfo*> GetPropList(const TClassRecord* record);
RUZI_API std::vector<const TEventInfo*> GetEventList(const TClassRecord* record);

// True when the object publishes a property or an event of this name.
RUZI_API bool PropertyExists(const TPersistent& instance, std::string_view name);

RUZI_API std::string GetPropText(const TPersistent& instance, std::string_view name);
RUZI_API void SetPropText(TPersistent& instance, std::string_view name, std::string_view text);

RUZI_API TMethod GetMethodProp(const TPersistent& instance, std::string_view name);
RUZI_API void SetMethodProp(TPersistent& instance, std::string_view name, TMethod handler);

}  // namespace ruzi
