#include "ui/combo_box.h"

#include <iterator>

#include "ui/control_messages.h"

namespace ruzi {
namespace {

// CBS_... styles by TComboBoxStyle, then CBS_AUTOHSCROLL, CBS_HASSTRINGS, WS_VSCROLL
constexpr uint32_t kStyleBits[] = {0x0002, 0x0001, 0x0003, 0x0013, 0x0023};
constexpr uint32_t kAutoHScroll = 0x0040, kHasStrings = 0x0200, kVScroll = 0x00200000;
constexpr uint32_t kSetItemHeight = 0x0153;                       // CB_SETITEMHEIGHT
constexpr uintptr_t kSelectionChanged = 1, kEditChanged = 5;     // CBN_SELCHANGE, CBN_EDITCHANGE

}  // namespace

const TPropertyTable* TCustomComboBox::PublishedTable() {
  static const TPropertyInfo properties[] = {
      Published<&TCustomComboBox::Style, &TCustomComboBox::SetStyle>("Style"),
      Published<&TCustomComboBox::DropDownCount, &TCustomComboBox::SetDropDownCount>("DropDownCount")};
  static const TEventInfo events[] = {PublishedEvent<&TCustomComboBox::OnChange>("OnChange")};
  static const TPropertyTable table{properties, std::size(properties), events, std::size(events)};
  return &table;
}

TCustomComboBox::TCustomComboBox(TComponent* owner)
    : TCustomListControl(owner, kComboBoxMessages, kSetItemHeight) {
  SetBounds(0, 0, 145, 21);
}

void TCustomComboBox::SetStyle(TComboBoxStyle style) {
  if (style == style_) return;
  style_ = style;
  Recreate();
}

void TCustomComboBox::Recreate() {
  if (!HandleAllocated()) return;
  const int index = ItemIndex();
  DestroyHandle();
  SetItemIndex(index);
  Handle();
}

void TCustomComboBox::CreateParams(TCreateParams& params) {
  TCustomListControl::CreateParams(params);
  params.SystemClass = "COMBOBOX";
  params.Style |= kStyleBits[static_cast<int>(style_)] | kAutoHScroll | kHasStrings | kVScroll;
  // The window's height takes in the dropped list; the closed field keeps its own height.
  params.Height += ItemHeight() * drop_down_count_;
}

void TCustomComboBox::WndProc(TMessage& message) {
  if (message.Msg == CN_COMMAND) {
    const uintptr_t notification = message.WParam >> 16;
    if (notification == kSelectionChanged) {
      SelectionChanged();
      Click();
      return;
    }
    if (notification == kEditChanged) {
      OnChange(this);
      return;
    }
  }
  TCustomListControl::WndProc(message);
}

}  // namespace ruzi
