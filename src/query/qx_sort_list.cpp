#include "query/qx_sort_list.h"

#include "query/list_index_error.h"

namespace ruzi {

void TQxSortList::Add(uint8_t field_type, int32_t field_index, bool ascending) {
  fields_.push_back(TQxSortField{field_type, field_index, static_cast<uint8_t>(ascending ? 1 : 0)});
}

const TQxSortField& TQxSortList::GetSortField(int index) const {
  if (index < 0 || index >= Count()) ThrowListIndexError(index);
  return fields_[static_cast<size_t>(index)];
}

}  // namespace ruzi
