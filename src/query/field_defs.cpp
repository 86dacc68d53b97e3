#include "query/field_defs.h"

#include "foundation/error.h"
#include "query/list_index_error.h"
#include "platform/ascii_case.h"

namespace ruzi {

FieldDef& FieldDefs::Add(const std::string& name, TFieldType type, int32_t size, bool required) {
  defs_.push_back(FieldDef{name, type, size, required});
  return defs_.back();
}

const FieldDef& FieldDefs::Items(int index) const {
  if (index < 0 || index >= Count()) ThrowListIndexError(index);
  return defs_[static_cast<size_t>(index)];
}

int FieldDefs::IndexOf(const std::string& name) const {
  for (size_t i = 0; i < defs_.size(); ++i) {
    if (AsciiEqualIgnoreCase(defs_[i].Name, name)) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace ruzi
