#pragma once
// The client's list boxes, which are list boxes of their own (under TCustomListBox, not
// TListBox): the skin draws TListBox and TQxListBox differently. User-interface thread only.
#include "ruzirareva/export.h"
#include "ruzirareva/ui/check_list_box.h"

namespace ruzi {

class RUZI_API TQxListBox : public TCustomListBox {
  RUZI_CLASS_RECORD(TQxListBox, TCustomListBox::ClassRecord())

 public:
  explicit TQxListBox(TComponent* owner = nullptr) : TCustomListBox(owner) {}
};

class RUZI_API TQxCheckListBox : public TCheckListBox {
  RUZI_CLASS_RECORD(TQxCheckListBox, TCheckListBox::ClassRecord())

 public:
  explicit TQxCheckListBox(TComponent* owner = nullptr) : TCheckListBox(owner) {}
};

}  // namespace ruzi
