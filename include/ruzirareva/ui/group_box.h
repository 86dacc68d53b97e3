#pragma once
// A captioned frame around other controls, of the system's BUTTON class (group box style).
// TCustomGroupBox is the root of TGroupBox and TRadioGroup. User-interface thread only.
#include "ruzirareva/export.h"
#include "ruzirareva/ui/win_control.h"

namespace ruzi {

class RUZI_API TCustomGroupBox : public TWinControl {
  RUZI_CLASS_RECORD(TCustomGroupBox, TWinControl::ClassRecord())

 public:
  explicit TCustomGroupBox(TComponent* owner = nullptr);

 protected:
  void CreateParams(TCreateParams& params) override;
};

class RUZI_API TGroupBox : public TCustomGroupBox {
  RUZI_CLASS_RECORD(TGroupBox, TCustomGroupBox::ClassRecord())

 public:
  explicit TGroupBox(TComponent* owner = nullptr) : TCustomGroupBox(owner) {}
};

}  // namespace ruzi
