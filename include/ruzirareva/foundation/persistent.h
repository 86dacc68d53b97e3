#pragma once
// The root of objects that can copy themselves into one another. Assign asks the source to
// AssignTo this object; when neither side knows the other, the copy fails with the system's
// "Cannot assign" message. Not thread-safe: an object and the objects it is copied to belong to one
// thread at a time.
#include <string>

#include "ruzirareva/export.h"
#include "ruzirareva/foundation/class_record.h"

namespace ruzi {

class TFiler;

class RUZI_API TPersistent {
 public:
  virtual ~TPersistent() = default;

  static const TClassRecord* ClassRecord() {
    static const TClassRecord record{"TPersistent", nullptr};
    return &record;
  }
  virtual const TClassRecord* ClassType() const { return ClassRecord(); }
  std::string ClassName() const { return ClassType()->Name; }
  bool InheritsFrom(const TClassRecord* ancestor) const { return ClassType()->InheritsFrom(ancestor); }

  // Slot order kept: AssignTo, DefineProperties, Assign.
  virtual void AssignTo(TPersistent* dest);
  virtual void DefineProperties(TFiler* filer);
  virtual void Assign(TPersistent* source);
};

}  // namespace ruzi
