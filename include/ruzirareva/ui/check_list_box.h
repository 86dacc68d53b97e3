#pragma once
// A list box whose lines carry check marks, drawn by the control: a click on a line's box, or
// the space bar on the selected line, turns its mark over and runs OnClickCheck. Published
// "Checked" is the checked lines' indexes, "0,2". User-interface thread only.
#include "ruzirareva/export.h"
#include "ruzirareva/ui/item_checks.h"
#include "ruzirareva/ui/list_box.h"

namespace ruzi {

class RUZI_API TCheckListBox : public TCustomListBox {
  RUZI_CLASS_RECORD_PUBLISHED(TCheckListBox, TCustomListBox::ClassRecord())

 public:
  explicit TCheckListBox(TComponent* owner = nullptr);

  bool Checked(int index) const { return checks_.Checked(index); }
  void SetChecked(int index, bool checked);
  std::string CheckedText() const { return checks_.Text(); }
  // Raises ruzi::Error naming the text when it is no list of line indexes.
  void SetCheckedText(const std::string& text);

  TNotifyEvent OnClickCheck;

 protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& message) override;

 private:
  void ToggleChecked(int index);

  TItemChecks checks_;
};

}  // namespace ruzi
