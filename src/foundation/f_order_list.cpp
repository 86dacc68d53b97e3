#include "foundation/f_order_list.h"

namespace ruzi {

template class FileBackedList<TOrderList, int32_t>;

}  // namespace ruzi
