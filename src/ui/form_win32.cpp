#include <windows.h>

#include <vector>

#include "foundation/error.h"
#include "ui/control_messages.h"
#include "ui/form.h"

namespace ruzi {
namespace {

struct ThreadWindows {
  HWND except;
  std::vector<HWND> disabled;
};

BOOL CALLBACK DisableWindow(HWND window, LPARAM data) {
  auto* windows = reinterpret_cast<ThreadWindows*>(data);
  if (window != windows->except && IsWindowVisible(window) && IsWindowEnabled(window)) {
    windows->disabled.push_back(window);
  }
  return TRUE;
}

// The key of a WM_KEYDOWN or WM_SYSKEYDOWN with the Shift, Ctrl and Alt states of the moment
// the message was posted; scNone for a modifier key alone.
TShortCut KeyShortCut(const MSG& msg) {
  if (msg.wParam == VK_SHIFT || msg.wParam == VK_CONTROL || msg.wParam == VK_MENU) return scNone;
  const bool alt = (msg.lParam & (1 << 29)) != 0 || GetKeyState(VK_MENU) < 0;
  return ShortCut(static_cast<unsigned>(msg.wParam), (GetKeyState(VK_SHIFT) < 0 ? scShift : 0) |
                                                        (GetKeyState(VK_CONTROL) < 0 ? scCtrl : 0) | (alt ? scAlt : 0));
}

}  // namespace

bool IsFormDialogMessage(const void* message) {
  const MSG& msg = *static_cast<const MSG*>(message);
  if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return false;
  auto* form = dynamic_cast<TCustomForm*>(TWinControl::FromHandle(GetAncestor(msg.hwnd, GA_ROOT)));
  if (form == nullptr) return false;
  const TShortCut short_cut = KeyShortCut(msg);
  if (short_cut != scNone && form->IsShortCut(short_cut, TWinControl::FromHandle(msg.hwnd))) return true;
  if (msg.message != WM_KEYDOWN || (msg.wParam != VK_TAB && msg.wParam != VK_RETURN && msg.wParam != VK_ESCAPE)) {
    return false;
  }
  // A control that wants the key itself (a multi-line edit and Enter) keeps it.
  const LRESULT wants = SendMessageW(msg.hwnd, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&msg));
  if ((wants & DLGC_WANTALLKEYS) != 0 || ((wants & DLGC_WANTTAB) != 0 && msg.wParam == VK_TAB)) return false;
  if (msg.wParam == VK_TAB) {
    form->SelectNext((GetKeyState(VK_SHIFT) & 0x8000) == 0, TWinControl::FromHandle(msg.hwnd));
    return true;
  }
  return form->Perform(CM_DIALOGKEY, msg.wParam, reinterpret_cast<LPARAM>(msg.hwnd)) != 0;
}

void TCustomForm::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  if (Parent() != nullptr) return;
  static constexpr struct {
    DWORD style, ex_style;
  } kBorders[] = {
      {WS_POPUP, 0},
      {WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_BORDER, 0},
      {WS_OVERLAPPEDWINDOW, 0},
      {WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, WS_EX_DLGMODALFRAME},
      {WS_CAPTION | WS_SYSMENU, WS_EX_TOOLWINDOW},
      {WS_CAPTION | WS_SYSMENU | WS_THICKFRAME, WS_EX_TOOLWINDOW},
  };
  const auto& border = kBorders[static_cast<int>(border_style_)];
  params.Style = (params.Style & (WS_VISIBLE | WS_DISABLED)) | border.style | WS_CLIPCHILDREN;
  params.ExStyle |= border.ex_style;
  if (form_style_ == TFormStyle::fsStayOnTop) params.ExStyle |= WS_EX_TOPMOST;
  auto* owner = dynamic_cast<TCustomForm*>(Owner());
  if (owner != nullptr && owner->HandleAllocated()) params.WndParent = owner->Handle();
}

void TCustomForm::PlaceAtShow() {
  Handle();
  RECT area;
  HWND around = nullptr;
  auto* owner = dynamic_cast<TCustomForm*>(Owner());
  switch (position_) {
    case TPosition::poOwnerFormCenter:
    case TPosition::poMainFormCenter:
      if (owner != nullptr && owner->HandleAllocated()) around = owner->Handle();
      [[fallthrough]];
    case TPosition::poScreenCenter:
    case TPosition::poDesktopCenter:
      if (around != nullptr) {
        GetWindowRect(around, &area);
      } else {
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
      }
      SetBounds(area.left + (area.right - area.left - Width()) / 2, area.top + (area.bottom - area.top - Height()) / 2,
                Width(), Height());
      break;
    default:
      break;
  }
}

void TCustomForm::Release() {
  if (modal_) {
    release_pending_ = true;
    return;
  }
  if (HandleAllocated()) {
    PostMessageW(Handle(), CM_RELEASE, 0, 0);
  } else {
    delete this;
  }
}

int TCustomForm::ShowModal() {
  if (modal_ || Visible()) throw Error("Cannot make a visible window modal");
  HWND self = Handle();
  ThreadWindows others{self, {}};
  EnumThreadWindows(GetCurrentThreadId(), &DisableWindow, reinterpret_cast<LPARAM>(&others));
  for (HWND window : others.disabled) EnableWindow(window, FALSE);
  modal_ = true;
  modal_result_ = mrNone;
  Show();
  SetActiveWindow(self);
  if (active_control_ == nullptr) SelectNext(true);
  MSG msg;
  while (modal_result_ == mrNone) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got <= 0) {
      PostQuitMessage(static_cast<int>(msg.wParam));  // for the loop outside
      modal_result_ = mrCancel;
      break;
    }
    if (IsFormDialogMessage(&msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  // The owners first, so that activation goes back to them.
  for (HWND window : others.disabled) EnableWindow(window, TRUE);
  Hide();
  modal_ = false;
  const int result = modal_result_;
  if (release_pending_) {
    release_pending_ = false;
    Release();
  }
  return result;
}

}  // namespace ruzi
