#pragma once
// TFStrOrderList: TStrOrderList with a text file behind it; the events see the key string.
#include <string>

#include "foundation/file_backed_list.h"
#include "foundation/str_order_list.h"

namespace ruzi {

extern template class FileBackedList<TStrOrderList, std::string>;

class TFStrOrderList : public FileBackedList<TStrOrderList, std::string> {
 public:
  using FileBackedList::FileBackedList;
};

}  // namespace ruzi
