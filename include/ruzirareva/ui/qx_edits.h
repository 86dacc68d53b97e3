#pragma once
// The client's edits, over the system's EDIT class but outside the TCustomEdit tree (the skin
// treats them apart): TQxEdit with a caption label on its left, TBcEdit plain. Both run
// OnChange after every change of their text. User-interface thread only.
#include "ruzirareva/export.h"
#include "ruzirareva/ui/label_host.h"
#include "ruzirareva/ui/win_control.h"

namespace ruzi {

class RUZI_API TQxEdit : public TLabelHost<TWinControl> {
  RUZI_CLASS_RECORD_PUBLISHED(TQxEdit, TWinControl::ClassRecord())

 public:
  explicit TQxEdit(TComponent* owner = nullptr);

  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& message) override;
};

class RUZI_API TBcEdit : public TWinControl {
  RUZI_CLASS_RECORD_PUBLISHED(TBcEdit, TWinControl::ClassRecord())

 public:
  explicit TBcEdit(TComponent* owner = nullptr);

  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& message) override;
};

}  // namespace ruzi
