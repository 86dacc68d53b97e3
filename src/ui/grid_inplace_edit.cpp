#include "ui/grid_inplace_edit.h"

#include "ui/string_grid.h"
#include "ui/window_message_ids.h"

namespace ruzi {
namespace {

constexpr uint32_t kClientEdge = 0x0200;    // WS_EX_CLIENTEDGE
constexpr intptr_t kWantAllKeys = 0x0004;   // DLGC_WANTALLKEYS

}  // namespace

TInplaceEdit::TInplaceEdit(TStringGrid& grid) : TCustomEdit(&grid), grid_(grid) {
  SetVisible(false);
  SetTabStop(false);
  SetParentColor(true);
}

void TInplaceEdit::CreateParams(TCreateParams& params) {
  TCustomEdit::CreateParams(params);
  params.ExStyle &= ~kClientEdge;  // the cell's grid lines are its frame
}

void TInplaceEdit::WndProc(TMessage& message) {
  switch (message.Msg) {
    case wm::KeyDown:
      if (message.WParam == wm::VkReturn || message.WParam == wm::VkEscape) {
        grid_.EditorDone(message.WParam == wm::VkReturn);
        return;
      }
      break;
    case wm::Char:
      if (message.WParam == '\r' || message.WParam == 0x1B) return;  // no beep for the keys taken above
      break;
    case wm::GetDlgCode:
      TCustomEdit::WndProc(message);
      if (message.WParam == wm::VkReturn || message.WParam == wm::VkEscape) message.Result |= kWantAllKeys;
      return;
    case wm::KillFocus:
      TCustomEdit::WndProc(message);
      if (grid_.EditorMode()) grid_.EndEditing(true);
      return;
    default:
      break;
  }
  TCustomEdit::WndProc(message);
}

}  // namespace ruzi
