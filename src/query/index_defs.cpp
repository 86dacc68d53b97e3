#include "query/index_defs.h"

#include "foundation/error.h"
#include "query/list_index_error.h"
#include "platform/ascii_case.h"

namespace ruzi {

IndexDef& IndexDefs::Add(const std::string& name, const std::string& fields, unsigned options) {
  defs_.push_back(IndexDef{name, fields, options});
  return defs_.back();
}

const IndexDef& IndexDefs::Items(int index) const {
  if (index < 0 || index >= Count()) ThrowListIndexError(index);
  return defs_[static_cast<size_t>(index)];
}

const IndexDef* IndexDefs::Find(const std::string& name) const {
  for (const IndexDef& def : defs_) {
    if (AsciiEqualIgnoreCase(def.Name, name)) return &def;
  }
  return nullptr;
}

}  // namespace ruzi
