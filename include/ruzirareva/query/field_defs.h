#pragma once
// What a dataset's fields are to be before it opens: name, type, size and whether a value is
// required. A dataset creates one DataField per definition when it opens.
// Owned by one dataset; not thread-safe.
#include <cstdint>
#include <string>
#include <deque>

#include "ruzirareva/export.h"
#include "ruzirareva/query/field_type.h"

namespace ruzi {

struct RUZI_API FieldDef {
  std::string Name;
  TFieldType DataType = ftUnknown;
  int32_t Size = 0;  // bytes of a string field; 0 for types of a fixed size
  bool Required = false;
};

class RUZI_API FieldDefs {
 public:
  // Adds a definition and returns it; a second definition of a name replaces nothing (both stay).
  FieldDef& Add(const std::string& name, TFieldType type, int32_t size = 0, bool required = false);
  void Clear() { defs_.clear(); }
  int Count() const { return static_cast<int>(defs_.size()); }
  const FieldDef& Items(int index) const;
  // Index of the definition named so (letter case ignored), or -1.
  int IndexOf(const std::string& name) const;

 private:
  std::deque<FieldDef> defs_;  // references stay valid as it grows
};

}  // namespace ruzi
