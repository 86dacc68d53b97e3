#pragma once
// A class's name and parent, kept in a static record per class so that ClassName() and
// InheritsFrom() work across module boundaries, where each DLL carries its own RTTI. The records
// are constants made before main; any thread may read them.
#include <cstring>
#include <string>

#include "ruzirareva/export.h"

namespace ruzi {

struct RUZI_API TClassRecord {
  const char* Name;
  const TClassRecord* Parent;

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
