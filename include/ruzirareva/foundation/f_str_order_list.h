#pragma once
// TFStrOrderList: TStrOrderList with a text file behind it; the events see the key string. Load,
// Save and Clear take the list's lock; threads that share the list bracket its other calls with
// Lock/UnLock.
#include <string>

#include "ruzirareva/export.h"
#include "ruzirareva/foundation/file_backed_list.h"
#include "ruzirareva/foundation/str_order_list.h"

namespace ruzi {

extern template class RUZI_API FileBackedList<TStrOrderList, std::string>;

class RUZI_API TFStrOrderList : public FileBackedList<TStrOrderList, std::string> {
 public:
  using FileBackedList::FileBackedList;
  ~TFStrOrderList() override;
};

}  // namespace ruzi
