#pragma once
// The fields a tree sorts by, in order: each names a field by its index and type and says
// whether it sorts ascending. Owned by one tree; not thread-safe.
#include <cstdint>
#include <vector>

#include "ruzirareva/export.h"

namespace ruzi {

struct TQxSortField {
  uint8_t FieldType = 0;  // a TFieldType
  int32_t FieldIndex = 0;
  uint8_t Ascending = 1;
};

class RUZI_API TQxSortList {
 public:
  void Add(uint8_t field_type, int32_t field_index, bool ascending);
  // Entry I (0-based); an index outside the list raises Error "List index out of bounds (I)".
  const TQxSortField& GetSortField(int index) const;
  int Count() const { return static_cast<int>(fields_.size()); }
  void Clear() { fields_.clear(); }

 private:
  std::vector<TQxSortField> fields_;
};

}  // namespace ruzi
