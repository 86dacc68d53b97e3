// A spin edit's arrows: the system's up-down control, a child of the edit's window along its
// right edge, with the edit's text kept clear of it. It is not the edit's buddy: the control
// holds the number (with its limits and Increment), so the arrows only say which way to step
// and keep no position of their own.
#include <windows.h>

#include <commctrl.h>

#include "ui/spin_edit.h"

namespace ruzi {
namespace {

HWND Arrows(HWND edit) { return FindWindowExW(edit, nullptr, UPDOWN_CLASSW, nullptr); }

}  // namespace

void TSpinEdit::FitArrows() {
  if (!HandleAllocated()) return;
  HWND edit = Handle();
  RECT client;
  GetClientRect(edit, &client);
  const int width = GetSystemMetrics(SM_CXVSCROLL);
  HWND arrows = Arrows(edit);
  if (arrows == nullptr) {
    arrows = CreateWindowExW(0, UPDOWN_CLASSW, nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, edit, nullptr,
                             nullptr, nullptr);
    // Low below high: the up arrow asks for a positive step. The position stays in the middle.
    SendMessageW(arrows, UDM_SETRANGE32, 0, 2);
    SendMessageW(arrows, UDM_SETPOS32, 0, 1);
  }
  SetWindowPos(arrows, nullptr, client.right - width, 0, width, client.bottom, SWP_NOZORDER | SWP_NOACTIVATE);
  SendMessageW(edit, EM_SETMARGINS, EC_RIGHTMARGIN, MAKELPARAM(0, width));
}

int TSpinEdit::ArrowSteps(TMessage& message) {
  if (message.Msg != WM_NOTIFY || !HandleAllocated()) return 0;
  const auto* change = reinterpret_cast<const NMUPDOWN*>(message.LParam);
  if (change->hdr.code != static_cast<UINT>(UDN_DELTAPOS) || GetParent(change->hdr.hwndFrom) != Handle()) return 0;
  message.Result = 1;  // the arrows keep their position
  return change->iDelta > 0 ? 1 : change->iDelta < 0 ? -1 : 0;
}

}  // namespace ruzi
