#pragma once
// The client's combo boxes, all under TCustomComboBox. Tqxcheckcombo carries a check mark per
// line, drawn in its list; choosing a line turns its mark over (published "Checked": the
// checked lines' indexes, "0,2"). TBoundComboBox and TBoundQxComboBox show their Items and stand
// for the bound Values beside them (bound_values.h): Value is the value of the chosen line,
// setting it chooses the first line standing for it, and a value no line stands for chooses
// none. They start as drop-down lists, so their text is always one of their lines. The form zoom
// scales the item height of TQxComboBox, TBoundQxComboBox and TBoundComboBox. User-interface
// thread only.
#include <string>

#include "ruzirareva/export.h"
#include "ruzirareva/ui/bound_values.h"
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

// What the two bound combos add to the combo they derive from (published "Values": the values
// one a line, as Items; "Value").
template <typename Combo>
class TBoundCombo : public Combo {
 public:
  explicit TBoundCombo(TComponent* owner) : Combo(owner), bound_(this->Items()) {
    this->SetItemsFollower(&bound_);
    this->SetStyle(TComboBoxStyle::csDropDownList);
  }

  TStrings& Values() { return bound_.Values(); }
  std::string ValuesText() const { return bound_.Values().Text(); }
  void SetValuesText(const std::string& text) { bound_.Values().SetText(text); }
  // The chosen line's value; "" when none is chosen.
  std::string Value() const { return bound_.ValueOf(this->ItemIndex()); }
  void SetValue(const std::string& value) { this->SetItemIndex(bound_.IndexOfValue(value)); }
  // A line showing `text` that stands for `value`, in its place when the lines are sorted.
  void AddItem(const std::string& text, const std::string& value) { bound_.SetValueOf(this->Items().Add(text), value); }

 private:
  TBoundValues bound_;
};

class RUZI_API TBoundQxComboBox : public TBoundCombo<TQxComboBox> {
  RUZI_CLASS_RECORD_PUBLISHED(TBoundQxComboBox, TQxComboBox::ClassRecord())

 public:
  explicit TBoundQxComboBox(TComponent* owner = nullptr) : TBoundCombo(owner) {}
};

class RUZI_API TBoundComboBox : public TBoundCombo<TCustomComboBox> {
  RUZI_CLASS_RECORD_PUBLISHED(TBoundComboBox, TCustomComboBox::ClassRecord())

 public:
  explicit TBoundComboBox(TComponent* owner = nullptr) : TBoundCombo(owner) {}
};

}  // namespace ruzi
