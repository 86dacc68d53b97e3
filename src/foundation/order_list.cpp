#include "foundation/order_list.h"

namespace ruzi {

template class OrderedNodeList<int64_t>;

bool TOrderList::Search(int64_t& key, TOrderListNode*& node, int64_t high, int64_t low) const {
  int64_t position = -1;
  const bool found = SearchRange(key, node, high, low, position);
  key = position;
  return found;
}

void* TOrderList::Delete2(int64_t key) {
  bool found = false;
  return Unlink(key, found);
}

}  // namespace ruzi
