#include "ui/list_box.h"

#include <iterator>

#include "ui/control_messages.h"

namespace ruzi {
namespace {

// LBS_NOTIFY, LBS_NOINTEGRALHEIGHT, WS_VSCROLL, WS_EX_CLIENTEDGE
constexpr uint32_t kNotify = 0x0001, kNoIntegralHeight = 0x0100, kVScroll = 0x00200000, kClientEdge = 0x0200;
constexpr uint32_t kSetItemHeight = 0x01A0;  // LB_SETITEMHEIGHT
constexpr uintptr_t kSelectionChanged = 1;   // LBN_SELCHANGE

}  // namespace

const TPropertyTable* TCustomListBox::PublishedTable() {
  static const TPropertyInfo properties[] = {
      Published<&TCustomListBox::ItemsText, &TCustomListBox::SetItemsText>("Items"),
      Published<&TCustomListBox::ItemIndex, &TCustomListBox::SetItemIndex>("ItemIndex"),
      Published<&TCustomListBox::ItemHeight, &TCustomListBox::SetItemHeight>("ItemHeight"),
      Published<&TCustomListBox::Sorted, &TCustomListBox::SetSorted>("Sorted")};
  static const TPropertyTable table{properties, std::size(properties), nullptr, 0};
  return &table;
}

TCustomListBox::TCustomListBox(TComponent* owner) : TWinControl(owner), items_(*this, kListBoxMessages) {
  SetTabStop(true);
  SetColor(clWindow);
  SetBounds(0, 0, 121, 97);
}

void TCustomListBox::SetItemHeight(int height) {
  if (height <= 0) return;
  item_height_ = height;
  if (HandleAllocated()) Perform(kSetItemHeight, 0, height);
}

void TCustomListBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.SystemClass = "LISTBOX";
  params.Style |= kNotify | kNoIntegralHeight | kVScroll;
  params.ExStyle |= kClientEdge;
}

void TCustomListBox::CreateWnd() {
  TWinControl::CreateWnd();
  if (!HandleAllocated()) return;
  Perform(kSetItemHeight, 0, item_height_);
  items_.FillWindow();
}

void TCustomListBox::WndProc(TMessage& message) {
  if (message.Msg == CN_COMMAND && (message.WParam >> 16) == kSelectionChanged) {
    items_.SelectionChanged();
    Click();
    return;
  }
  TWinControl::WndProc(message);
}

}  // namespace ruzi
