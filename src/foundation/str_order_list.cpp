#include "foundation/str_order_list.h"

namespace ruzi {

// std::string compares through memcmp: unsigned bytes, shorter prefix first.
template class OrderedNodeList<std::string>;

// Out of line, so the class's table and type record live in the library once.
TStrOrderList::~TStrOrderList() = default;

}  // namespace ruzi
