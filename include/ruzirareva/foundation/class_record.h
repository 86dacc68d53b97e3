#pragma once
// A class's name, parent and published properties, kept in a static record per class so that
// ClassName(), InheritsFrom() and property access by name work across module boundaries,
// where each DLL carries its own RTTI. The records are constants made before main; any thread
// may read them.
#include <cstring>
#include <string>

#include "ruzirareva/export.h"

namespace ruzi {

struct TPropertyTable;

struct RUZI_API TClassRecord {
  const char* Name;
  const TClassRecord* Parent;
  // What this class itself publishes (its ancestors' tables are reached through Parent);
  // nullptr when it publishes nothing of its own.
  const TPropertyTable* Published = nullptr;

  bool InheritsFrom(const TClassRecord* ancestor) const {
    // By name as well as by address: a host's inline copy of a record is another object than
    // the library's record of the same class.
    for (const TClassRecord* record = this; record != nullptr; record = record->Parent) {
      if (record == ancestor) return true;
      if (ancestor != nullptr && std::strcmp(record->Name, ancestor->Name) == 0) return true;
    }
    return false;
  }
};

}  // namespace ruzi

// Inside a class body: its record, and the virtual that answers it. Root classes pass nullptr.
#define RUZI_CLASS_RECORD(Class, ParentRecord)                           \
 public:                                                                 \
  static const ::ruzi::TClassRecord* ClassRecord() {                     \
    static const ::ruzi::TClassRecord record{#Class, ParentRecord};      \
    return &record;                                                      \
  }                                                                      \
  const ::ruzi::TClassRecord* ClassType() const override { return ClassRecord(); }

// The same for a class with published properties: it declares the table, defined in its source
// file (see published_property.h).
#define RUZI_CLASS_RECORD_PUBLISHED(Class, ParentRecord)                                       \
 public:                                                                                       \
  static const ::ruzi::TPropertyTable* PublishedTable();                                       \
  static const ::ruzi::TClassRecord* ClassRecord() {                                           \
    static const ::ruzi::TClassRecord record{#Class, ParentRecord, Class::PublishedTable()};   \
    return &record;                                                                            \
  }                                                                                            \
  const ::ruzi::TClassRecord* ClassType() const override { return ClassRecord(); }
