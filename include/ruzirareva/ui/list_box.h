#pragma once
// A list of lines of the system's LISTBOX class (list_control.h); a change of the selection by
// the user runs OnClick. TCustomListBox is the root of the list boxes. User-interface thread
// only.
#include "ruzirareva/export.h"
#include "ruzirareva/ui/list_control.h"

namespace ruzi {

class RUZI_API TCustomListBox : public TCustomListControl {
  RUZI_CLASS_RECORD(TCustomListBox, TCustomListControl::ClassRecord())

 public:
  explicit TCustomListBox(TComponent* owner = nullptr);

 protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& message) override;
};

class RUZI_API TListBox : public TCustomListBox {
  RUZI_CLASS_RECORD(TListBox, TCustomListBox::ClassRecord())

 public:
  explicit TListBox(TComponent* owner = nullptr) : TCustomListBox(owner) {}
};

}  // namespace ruzi
