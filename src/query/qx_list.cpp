#include "query/qx_list.h"

#include <algorithm>

#include "query/list_index_error.h"

namespace ruzi {

int TQxList::Add(void* item) {
  items_.push_back(item);
  return Count() - 1;
}

void* TQxList::Items(int index) const {
  if (index < 0 || index >= Count()) ThrowListIndexError(index);
  return items_[static_cast<size_t>(index)];
}

void TQxList::Delete(int index) {
  if (index < 0 || index >= Count()) ThrowListIndexError(index);
  items_.erase(items_.begin() + index);
}

int TQxList::IndexOf(const void* item) const {
  const auto found = std::find(items_.begin(), items_.end(), item);
  return found == items_.end() ? -1 : static_cast<int>(found - items_.begin());
}

}  // namespace ruzi
