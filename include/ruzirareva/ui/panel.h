#pragma once
// A plain area holding other controls, filled with its Color, its caption centred.
// User-interface thread only.
#include "ruzirareva/export.h"
#include "ruzirareva/ui/graphic_control.h"

namespace ruzi {

class RUZI_API TPanel : public TCustomControl {
  RUZI_CLASS_RECORD(TPanel, TCustomControl::ClassRecord())

 public:
  explicit TPanel(TComponent* owner = nullptr);

 protected:
  void Paint() override;
};

}  // namespace ruzi
