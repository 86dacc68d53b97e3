#pragma once
// TStrOrderList: the sorted map keyed by byte strings. Keys compare byte by byte as unsigned
// values, case-sensitive, a proper prefix first ("B" before "a").
#include <string>

#include "ruzirareva/export.h"
#include "ruzirareva/foundation/ordered_node_list.h"

namespace ruzi {

using TStrOrderListNode = OrderedNode<std::string>;

extern template class RUZI_API OrderedNodeList<std::string>;

class TStrOrderList : public OrderedNodeList<std::string> {
 public:
  using OrderedNodeList::OrderedNodeList;
};

}  // namespace ruzi
