#include "foundation/f_str_order_list.h"

#include "foundation/file_backed_list_impl.h"

namespace ruzi {

template class FileBackedList<TStrOrderList, std::string>;

// Out of line, so the class's table and type record live in the library once.
TFStrOrderList::~TFStrOrderList() = default;

}  // namespace ruzi
