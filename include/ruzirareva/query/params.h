#pragma once
// The parameters of a query: values the caller sets by name before the query opens.
// Owned by one query; not thread-safe.
#include <string>
#include <deque>

#include "ruzirareva/export.h"
#include "ruzirareva/foundation/variant.h"
#include "ruzirareva/query/field_type.h"

namespace ruzi {

struct RUZI_API Param {
  std::string Name;
  TFieldType DataType = ftUnknown;
  Variant Value;

  bool IsNull() const { return Value.IsNull(); }
  std::string AsString() const { return Value.AsString(); }
  void SetAsString(const std::string& text) { Value = Variant::FromString(text); }
};

class RUZI_API Params {
 public:
  // Adds a parameter of that name, or returns the one already there.
  Param& CreateParam(const std::string& name, TFieldType type = ftUnknown);
  void Clear() { items_.clear(); }
  int Count() const { return static_cast<int>(items_.size()); }
  Param& Items(int index);
  // The parameter of that name (letter case ignored), or nullptr.
  Param* FindParam(const std::string& name);
  // The same; a missing name raises Error "Parameter '<name>' not found".
  Param& ParamByName(const std::string& name);

 private:
  std::deque<Param> items_;  // references stay valid as it grows
};

}  // namespace ruzi
