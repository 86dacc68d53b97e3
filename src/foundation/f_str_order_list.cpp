#include "foundation/f_str_order_list.h"

namespace ruzi {

template class FileBackedList<TStrOrderList, std::string>;

}  // namespace ruzi
