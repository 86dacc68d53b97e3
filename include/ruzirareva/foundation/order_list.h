#pragma once
// TOrderList: a map from a signed 64-bit key to an untyped data block, sorted for binary search
// and chained as a doubly linked list. Data blocks are released by the list's deleter. The list has
// no lock of its own in its map calls: threads that share one bracket them with Lock/UnLock.
#include <cstdint>

#include "ruzirareva/export.h"
#include "ruzirareva/foundation/ordered_node_list.h"

namespace ruzi {

using TOrderListNode = OrderedNode<int64_t>;

extern template class RUZI_API OrderedNodeList<int64_t>;

class RUZI_API TOrderList : public OrderedNodeList<int64_t> {
 public:
  using OrderedNodeList::OrderedNodeList;
  using OrderedNodeList::Search;

  // The recursive search of low..high; on return key holds the position it reached.
  bool Search(int64_t& key, TOrderListNode*& node, int64_t high, int64_t low) const;
  // Unlinks and releases the node but hands its data block back (null when absent).
  void* Delete2(int64_t key);
};

}  // namespace ruzi
