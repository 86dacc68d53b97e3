#include "ui/list_control.h"

#include <iterator>

namespace ruzi {

const TPropertyTable* TCustomListControl::PublishedTable() {
  static const TPropertyInfo properties[] = {
      Published<&TCustomListControl::ItemsText, &TCustomListControl::SetItemsText>("Items"),
      Published<&TCustomListControl::ItemIndex, &TCustomListControl::SetItemIndex>("ItemIndex"),
      Published<&TCustomListControl::ItemHeight, &TCustomListControl::SetItemHeight>("ItemHeight"),
      Published<&TCustomListControl::Sorted, &TCustomListControl::SetSorted>("Sorted")};
  static const TPropertyTable table{properties, std::size(properties), nullptr, 0};
  return &table;
}

TCustomListControl::TCustomListControl(TComponent* owner, const TItemMessages& messages, uint32_t set_item_height)
    : TWinControl(owner), items_(*this, messages), set_item_height_(set_item_height) {
  SetTabStop(true);
  SetColor(clWindow);
}

void TCustomListControl::SetItemHeight(int height) {
  if (height <= 0) return;
  item_height_ = height;
  if (HandleAllocated()) Perform(set_item_height_, 0, height);
}

void TCustomListControl::CreateWnd() {
  TWinControl::CreateWnd();
  if (!HandleAllocated()) return;
  Perform(set_item_height_, 0, item_height_);
  items_.FillWindow();
}

}  // namespace ruzi
