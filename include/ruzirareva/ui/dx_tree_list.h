#pragma once
// The outside tree list, here holding what the skin sets: Color and Font. User-interface thread
// only.
#include "ruzirareva/export.h"
#include "ruzirareva/ui/graphic_control.h"

namespace ruzi {

class RUZI_API TdxTreeList : public TCustomControl {
  RUZI_CLASS_RECORD(TdxTreeList, TCustomControl::ClassRecord())

 public:
  explicit TdxTreeList(TComponent* owner = nullptr);

 protected:
  void Paint() override;
};

}  // namespace ruzi
