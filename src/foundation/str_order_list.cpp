#include "foundation/str_order_list.h"

namespace ruzi {

// std::string compares through memcmp: unsigned bytes, shorter prefix first.
template class OrderedNodeList<std::string>;

}  // namespace ruzi
