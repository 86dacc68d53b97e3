#include <iterator>

#include "foundation/error.h"
#include "ui/check_item_draw.h"
#include "ui/control_messages.h"
#include "ui/qx_combo_boxes.h"

namespace ruzi {

const TPropertyTable* Tqxcheckcombo::PublishedTable() {
  static const TPropertyInfo properties[] = {
      Published<&Tqxcheckcombo::CheckedText, &Tqxcheckcombo::SetCheckedText>("Checked")};
  static const TPropertyTable table{properties, std::size(properties), nullptr, 0};
  return &table;
}

Tqxcheckcombo::Tqxcheckcombo(TComponent* owner) : TCustomComboBox(owner), checks_(Items()) {
  SetItemsFollower(&checks_);
  SetStyle(TComboBoxStyle::csOwnerDrawFixed);
}

void Tqxcheckcombo::SetChecked(int index, bool checked) {
  checks_.SetChecked(index, checked);
  Invalidate();
}

void Tqxcheckcombo::SetCheckedText(const std::string& text) {
  if (!checks_.SetText(text)) throw Error("\"" + text + "\" is not a valid value of Tqxcheckcombo.Checked");
  Invalidate();
}

void Tqxcheckcombo::Click() {
  const int index = ItemIndex();
  if (index >= 0) SetChecked(index, !Checked(index));
  TCustomComboBox::Click();
}

void Tqxcheckcombo::WndProc(TMessage& message) {
  if (message.Msg == CN_DRAWITEM) {
    DrawCheckItem(message.LParam, Items(), checks_);
    message.Result = 1;
    return;
  }
  TCustomComboBox::WndProc(message);
}

}  // namespace ruzi
