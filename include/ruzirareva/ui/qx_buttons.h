#pragma once
// The client's own buttons and check box: the standard ones under the client's class names, so
// that the skin and the forms tell them apart. User-interface thread only.
#include "ruzirareva/export.h"
#include "ruzirareva/ui/bit_btn.h"
#include "ruzirareva/ui/check_box.h"

namespace ruzi {

class RUZI_API TQxButton : public TButton {
  RUZI_CLASS_RECORD(TQxButton, TButton::ClassRecord())

 public:
  explicit TQxButton(TComponent* owner = nullptr) : TButton(owner) {}
};

class RUZI_API TQxBitBtn : public TBitBtn {
  RUZI_CLASS_RECORD(TQxBitBtn, TBitBtn::ClassRecord())

 public:
  explicit TQxBitBtn(TComponent* owner = nullptr) : TBitBtn(owner) {}
};

class RUZI_API TQxCheckBox : public TCheckBox {
  RUZI_CLASS_RECORD(TQxCheckBox, TCheckBox::ClassRecord())

 public:
  explicit TQxCheckBox(TComponent* owner = nullptr) : TCheckBox(owner) {}
};

}  // namespace ruzi
