#include "query/params.h"

#include "foundation/error.h"
#include "query/list_index_error.h"
#include "platform/ascii_case.h"

namespace ruzi {

Param& Params::CreateParam(const std::string& name, TFieldType type) {
  if (Param* existing = FindParam(name)) return *existing;
  items_.push_back(Param{name, type, Variant()});
  return items_.back();
}

Param& Params::Items(int index) {
  if (index < 0 || index >= Count()) ThrowListIndexError(index);
  return items_[static_cast<size_t>(index)];
}

Param* Params::FindParam(const std::string& name) {
  for (Param& param : items_) {
    if (AsciiEqualIgnoreCase(param.Name, name)) return &param;
  }
  return nullptr;
}

Param& Params::ParamByName(const std::string& name) {
  Param* param = FindParam(name);
  if (param == nullptr) throw Error("Parameter '" + name + "' not found");
  return *param;
}

}  // namespace ruzi
