#pragma once
// TStrOrderList: the sorted map keyed by byte strings. Keys compare byte by byte as unsigned
// values, case-sensitive, a proper prefix first ("B" before "a"). The list has no lock of its own
// in its map calls: threads that share one bracket them with Lock/UnLock.
#include <string>

#include "ruzirareva/export.h"
#include "ruzirareva/foundation/ordered_node_list.h"

namespace ruzi {

using TStrOrderListNode = OrderedNode<std::string>;

extern template class RUZI_API OrderedNodeList<std::string>;

class RUZI_API TStrOrderList : public OrderedNodeList<std::string> {
 public:
  using OrderedNodeList::OrderedNodeList;
  ~TStrOrderList() override;
};

}  // namespace ruzi
