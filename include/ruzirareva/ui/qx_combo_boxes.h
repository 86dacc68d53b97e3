#pragma once
// The client's combo boxes, all under TCustomComboBox. Tqxcheckcombo carries a check mark per
// line, drawn in its list; choosing a line turns its mark over (published "Checked": the
// checked lines' indexes, "0,2"). The form zoom scales the item height of TQxComboBox,
// TBoundQxComboBox and TBoundComboBox. User-interface thread only.
#include "ruzirareva/export.h"
#include "ruzirareva/ui/combo_box.h"
#include "ruzirareva/ui/item_checks.h"

namespace ruzi {

class RUZI_API Tqxcheckcombo : public TCustomComboBox {
  RUZI_CLASS_RECORD_PUBLISHED(Tqxcheckcombo, TCustomComboBox::ClassRecord())

 public:
  explicit Tqxcheckcombo(TComponent* owner = nullptr);

  bool Checked(int index) const { return checks_.Checked(index); }
  void SetChecked(int index, bool checked);
  std::string CheckedText() const { return checks_.Text(); }
  // Raises ruzi::Error naming the text when it is no list of line indexes.
  void SetCheckedText(const std::string& text);

  void Click() override;

 protected:
  void WndProc(TMessage& message) override;

 private:
  TItemChecks checks_;
};

class RUZI_API TQxComboBox : public TCustomComboBox {
  RUZI_CLASS_RECORD(TQxComboBox, TCustomComboBox::ClassRecord())

 public:
  explicit TQxComboBox(TComponent* owner = nullptr) : TCustomComboBox(owner) {}
};

class RUZI_API TBoundQxComboBox : public TQxComboBox {
  RUZI_CLASS_RECORD(TBoundQxComboBox, TQxComboBox::ClassRecord())

 public:
  explicit TBoundQxComboBox(TComponent* owner = nullptr) : TQxComboBox(owner) {}
};

class RUZI_API TBoundComboBox : public TCustomComboBox {
  RUZI_CLASS_RECORD(TBoundComboBox, TCustomComboBox::ClassRecord())

 public:
  explicit TBoundComboBox(TComponent* owner = nullptr) : TCustomComboBox(owner) {}
};

}  // namespace ruzi
