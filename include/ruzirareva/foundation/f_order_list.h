#pragma once
// TFOrderList: TOrderList with a text file behind it. The events see the key as a 32-bit
// signed integer (its low 32 bits), which is all the file ever held. Load, Save and Clear take the
// list's lock; threads that share the list bracket its other calls with Lock/UnLock.
#include <cstdint>

#include "ruzirareva/export.h"
#include "ruzirareva/foundation/file_backed_list.h"
#include "ruzirareva/foundation/order_list.h"

namespace ruzi {

extern template class RUZI_API FileBackedList<TOrderList, int32_t>;

class RUZI_API TFOrderList : public FileBackedList<TOrderList, int32_t> {
 public:
  using FileBackedList::FileBackedList;
  ~TFOrderList() override;
};

}  // namespace ruzi
