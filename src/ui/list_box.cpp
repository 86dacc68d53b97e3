#include "ui/list_box.h"

#include "ui/control_messages.h"

namespace ruzi {
namespace {

// LBS_NOTIFY, LBS_NOINTEGRALHEIGHT, WS_VSCROLL, WS_EX_CLIENTEDGE
constexpr uint32_t kNotify = 0x0001, kNoIntegralHeight = 0x0100, kVScroll = 0x00200000, kClientEdge = 0x0200;
constexpr uint32_t kSetItemHeight = 0x01A0;  // LB_SETITEMHEIGHT
constexpr uintptr_t kSelectionChanged = 1;   // LBN_SELCHANGE

}  // namespace

TCustomListBox::TCustomListBox(TComponent* owner) : TCustomListControl(owner, kListBoxMessages, kSetItemHeight) {
  SetBounds(0, 0, 121, 97);
}

void TCustomListBox::CreateParams(TCreateParams& params) {
  TCustomListControl::CreateParams(params);
  params.SystemClass = "LISTBOX";
  params.Style |= kNotify | kNoIntegralHeight | kVScroll;
  params.ExStyle |= kClientEdge;
}

void TCustomListBox::WndProc(TMessage& message) {
  if (message.Msg == CN_COMMAND && (message.WParam >> 16) == kSelectionChanged) {
    SelectionChanged();
    Click();
    return;
  }
  TCustomListControl::WndProc(message);
}

}  // namespace ruzi
