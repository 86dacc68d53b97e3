#pragma once
// A single-line text box of the system's EDIT class; OnChange after every change of its text.
// TCustomEdit is the root of the edit classes. User-interface thread only.
#include "ruzirareva/export.h"
#include "ruzirareva/ui/win_control.h"

namespace ruzi {

class RUZI_API TCustomEdit : public TWinControl {
  RUZI_CLASS_RECORD_PUBLISHED(TCustomEdit, TWinControl::ClassRecord())

 public:
  explicit TCustomEdit(TComponent* owner = nullptr);

  bool ReadOnly() const { return read_only_; }
  void SetReadOnly(bool read_only) { read_only_ = read_only; }

  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& message) override;

 private:
  bool read_only_ = false;
};

class RUZI_API TEdit : public TCustomEdit {
  RUZI_CLASS_RECORD(TEdit, TCustomEdit::ClassRecord())

 public:
  explicit TEdit(TComponent* owner = nullptr) : TCustomEdit(owner) {}
};

}  // namespace ruzi
