#include "foundation/f_order_list.h"

#include "foundation/file_backed_list_impl.h"

namespace ruzi {

template class FileBackedList<TOrderList, int32_t>;

// Out of line, so the class's table and type record live in the library once.
TFOrderList::~TFOrderList() = default;

}  // namespace ruzi
