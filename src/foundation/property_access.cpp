#include "foundation/property_access.h"

#include "foundation/error.h"
#include "platform/ascii_case.h"

namespace ruzi {
namespace {

// Classes from the root down to `record`.
std::vector<const TClassRecord*> RootFirst(const TClassRecord* record) {
  std::vector<const TClassRecord*> line;
  for (; record != nullptr; record = record->Parent) line.insert(line.begin(), record);
  return line;
}

template <typename Info>
const Info* FindIn(const Info* entries, size_t count, std::string_view name) {
  for (size_t index = 0; index < count; ++index) {
    if (AsciiEqualIgnoreCase(entries[index].Name, name)) return &entries[index];
  }
  return nullptr;
}

template <typename Info>
void Publish(std::vector<const Info*>& list, const Info* entries, size_t count) {
  for (size_t index = 0; index < count; ++index) {
    const Info* entry = &entries[index];
    bool replaced = false;
    for (const Info*& earlier : list) {
      if (AsciiEqualIgnoreCase(earlier->Name, entry->Name)) {
        earlier = entry;
        replaced = true;
      }
    }
    if (!replaced) list.push_back(entry);
  }
}

[[noreturn]] void Unknown(const TPersistent& instance, std::string_view name) {
  throw Error(instance.ClassName() + " has no property \"" + std::string(name) + "\"");
}

const TPropertyInfo& PropertyOf(const TPersistent& instance, std::string_view name) {
  const TPropertyInfo* info = FindPropInfo(instance.ClassType(), name);
  if (info == nullptr) Unknown(instance, name);
  return *info;
}

const TEventInfo& EventOf(const TPersistent& instance, std::string_view name) {
  const TEventInfo* info = FindEventInfo(instance.ClassType(), name);
  if (info == nullptr) Unknown(instance, name);
  return *info;
}

}  // namespace

const TPropertyInfo* FindPropInfo(const TClassRecord* record, std::string_view name) {
  for (; record != nullptr; record = record->Parent) {
    const TPropertyTable* table = record->Published;
    if (table == nullptr) continue;
    if (auto* found = FindIn(table->Properties, table->PropertyCount, name)) return found;
  }
  return nullptr;
}

const TEventInfo* FindEventInfo(const TClassRecord* record, std::string_view name) {
  for (; record != nullptr; record = record->Parent) {
    const TPropertyTable* table = record->Published;
    if (table == nullptr) continue;
    if (auto* found = FindIn(table->Events, table->EventCount, name)) return found;
  }
  return nullptr;
}

std::vector<const TPropertyInfo*> GetPropList(const TClassRecord* record) {
  std::vector<const TPropertyInfo*> list;
  for (const TClassRecord* line : RootFirst(record)) {
    if (line->Published != nullptr) Publish(list, line->Published->Properties, line->Published->PropertyCount);
  }
  return list;
}

std::vector<const TEventInfo*> GetEventList(const TClassRecord* record) {
  std::vector<const TEventInfo*> list;
  for (const TClassRecord* line : RootFirst(record)) {
    if (line->Published != nullptr) Publish(list, line->Published->Events, line->Published->EventCount);
  }
  return list;
}

bool PropertyExists(const TPersistent& instance, std::string_view name) {
  return FindPropInfo(instance.ClassType(), name) != nullptr || FindEventInfo(instance.ClassType(), name) != nullptr;
}

std::string GetPropText(const TPersistent& instance, std::string_view name) {
  return PropertyOf(instance, name).GetText(instance);
}

void SetPropText(TPersistent& instance, std::string_view name, std::string_view text) {
  const TPropertyInfo& info = PropertyOf(instance, name);
  if (!info.SetText(instance, text)) {
    throw Error("\"" + std::string(text) + "\" is not a valid value of " + instance.ClassName() + "." + info.Name);
  }
}

TMethod GetMethodProp(const TPersistent& instance, std::string_view name) {
  return EventOf(instance, name).Get(instance);
}

void SetMethodProp(TPersistent& instance, std::string_view name, TMethod handler) {
  EventOf(instance, name).Set(instance, handler);
}

}  // namespace ruzi
