#include "foundation/f_str_order_list.h"

#include "foundation/file_backed_list_impl.h"

namespace ruzi {

template class FileBackedList<TStrOrderList, std::string>;

}  // namespace ruzi
