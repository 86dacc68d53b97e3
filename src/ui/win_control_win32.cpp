// The Win32 half of a windowed control: its window, the one window procedure that hands every
// message to the control's WindowProc, and what a plain window lacks (DC in WParam, reflected
// notifications, graphic children, mouse enter and leave).
#include <windows.h>

#include <commctrl.h>
#include <windowsx.h>

#include "foundation/error.h"
#include "platform/text_encoding.h"
#include "ui/control_messages.h"
#include "ui/menu.h"
#include "ui/ui_exception.h"
#include "ui/win_control.h"

namespace ruzi {
namespace {

constexpr wchar_t kClassName[] = L"RuziWinControl";
constexpr wchar_t kControlProperty[] = L"RuziWinControl";

// The control whose window CreateWindowExW is making: its first messages arrive before the
// window is known to belong to it. The UI thread alone makes windows.
TWinControl* creating = nullptr;

HINSTANCE LibraryInstance() {
  static HINSTANCE instance = [] {
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&LibraryInstance), &module);
    return module;
  }();
  return instance;
}

LRESULT CALLBACK ControlWindowProc(HWND window, UINT msg, WPARAM wparam, LPARAM lparam);

// The common controls' classes (list and tree views, tabs, track and status bars, pickers)
// exist once registered.
void RegisterCommonControlClasses() {
  static const bool registered = [] {
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_BAR_CLASSES |
                                                     ICC_TAB_CLASSES | ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES};
    return InitCommonControlsEx(&classes) != FALSE;
  }();
  (void)registered;
}

void RegisterOwnClass() {
  static const bool registered = [] {
    WNDCLASSW window_class{};
    window_class.style = CS_DBLCLKS;
    window_class.lpfnWndProc = &ControlWindowProc;
    window_class.hInstance = LibraryInstance();
    window_class.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    window_class.lpszClassName = kClassName;
    return RegisterClassW(&window_class) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
  }();
  if (!registered) throw Error("Cannot register the window class of controls");
}

// The window whose notification this is (WM_COMMAND from a button: the button).
HWND NotifyingWindow(HWND parent, const TMessage& message) {
  switch (message.Msg) {
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
      return reinterpret_cast<HWND>(message.LParam);
    case WM_NOTIFY:
      return reinterpret_cast<const NMHDR*>(message.LParam)->hwndFrom;
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam);
      return item->CtlType == ODT_MENU ? nullptr : item->hwndItem;
    }
    case WM_MEASUREITEM: {
      const auto* item = reinterpret_cast<const MEASUREITEMSTRUCT*>(message.LParam);
      return item->CtlType == ODT_MENU ? nullptr : GetDlgItem(parent, static_cast<int>(item->CtlID));
    }
    case WM_DELETEITEM:
      return reinterpret_cast<const DELETEITEMSTRUCT*>(message.LParam)->hwndItem;
    case WM_COMPAREITEM:
      return reinterpret_cast<const COMPAREITEMSTRUCT*>(message.LParam)->hwndItem;
    default:
      return nullptr;
  }
}

bool IsMouseMessage(UINT msg) {
  return msg == WM_MOUSEMOVE || msg == WM_LBUTTONDOWN || msg == WM_LBUTTONUP || msg == WM_LBUTTONDBLCLK ||
         msg == WM_RBUTTONDOWN || msg == WM_RBUTTONUP || msg == WM_RBUTTONDBLCLK || msg == WM_MBUTTONDOWN ||
         msg == WM_MBUTTONUP || msg == WM_MBUTTONDBLCLK;
}

}  // namespace

struct WinControlAccess {
  static void Attach(TWinControl& control, HWND window) {
    SetPropW(window, kControlProperty, &control);
    control.AttachHandle(window, reinterpret_cast<void*>(&DefWindowProcW));
  }
};

namespace {

LRESULT CALLBACK ControlWindowProc(HWND window, UINT msg, WPARAM wparam, LPARAM lparam) {
  TWinControl* control = TWinControl::FromHandle(window);
  if (control == nullptr && creating != nullptr) {
    control = creating;
    creating = nullptr;
    // Our own class: what the control leaves goes to the system's default handling.
    WinControlAccess::Attach(*control, window);
  }
  if (control == nullptr) return DefWindowProcW(window, msg, wparam, lparam);
  TMessage message{msg, wparam, lparam, 0};
  try {
    control->WindowProc()(message);
  } catch (...) {
    HandleUiException();
  }
  return message.Result;
}

}  // namespace

TWinControl* TWinControl::FromHandle(HWND__* handle) {
  if (handle == nullptr) return nullptr;
  return static_cast<TWinControl*>(GetPropW(handle, kControlProperty));
}

HWND__* TWinControl::Handle() {
  if (handle_ == nullptr) CreateWnd();
  return handle_;
}

void TWinControl::CreateParams(TCreateParams& params) {
  params.Caption = TControl::GetText();
  params.X = Left();
  params.Y = Top();
  params.Width = Width();
  params.Height = Height();
  if (Parent() != nullptr) {
    params.Style = WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    params.WndParent = Parent()->Handle();
  } else {
    params.Style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
  }
  if (Visible()) params.Style |= WS_VISIBLE;
  if (!Enabled()) params.Style |= WS_DISABLED;
  if (TabStop()) params.Style |= WS_TABSTOP;
}

void TWinControl::CreateWnd() {
  TCreateParams params;
  CreateParams(params);
  if (handle_ != nullptr) return;  // the parent's window, made above, made ours too
  const std::wstring caption = platform::GbkToWide(params.Caption);
  HWND window;
  if (params.SystemClass.empty()) {
    RegisterOwnClass();
    creating = this;
    window = CreateWindowExW(params.ExStyle, kClassName, caption.c_str(), params.Style, params.X, params.Y,
                             params.Width, params.Height, params.WndParent, nullptr, LibraryInstance(), nullptr);
    creating = nullptr;
  } else {
    RegisterCommonControlClasses();
    click_events_ = false;  // the system class reports its clicks itself (WM_COMMAND)
    const std::wstring system_class = platform::GbkToWide(params.SystemClass);
    window = CreateWindowExW(params.ExStyle, system_class.c_str(), caption.c_str(), params.Style, params.X,
                             params.Y, params.Width, params.Height, params.WndParent, nullptr, LibraryInstance(),
                             nullptr);
    if (window != nullptr) {
      SetPropW(window, kControlProperty, this);
      void* class_proc = reinterpret_cast<void*>(
          SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ControlWindowProc)));
      AttachHandle(window, class_proc);
    }
  }
  if (window == nullptr) throw Error("Cannot create the window of " + ClassName() + " " + Name());
  SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), 0);
  for (TControl* control : controls_) {
    if (auto* child = dynamic_cast<TWinControl*>(control)) child->Handle();
  }
  Realign();
}

void TWinControl::AttachHandle(HWND__* handle, void* default_proc) {
  handle_ = handle;
  default_proc_ = default_proc;
}

void TWinControl::DetachHandle() {
  if (handle_ == nullptr) return;
  if (default_proc_ != reinterpret_cast<void*>(&DefWindowProcW)) {
    SetWindowLongPtrW(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(default_proc_));
  }
  RemovePropW(handle_, kControlProperty);
  handle_ = nullptr;
  if (brush_ != nullptr) DeleteObject(brush_);
  brush_ = nullptr;
}

void TWinControl::DestroyHandle() {
  if (handle_ == nullptr) return;
  for (TControl* control : controls_) {
    if (auto* child = dynamic_cast<TWinControl*>(control)) child->DestroyHandle();
  }
  HWND window = handle_;
  // The window stays, unseen by the control, while it goes: the destructor may be running.
  DetachHandle();
  DestroyWindow(window);
}

void TWinControl::MoveWindowToParent() {
  // Moving the window may report its old place, mapped into the new parent: the control's
  // bounds hold.
  const TRect bounds = BoundsRect();
  ::SetParent(handle_, Parent()->handle_);
  SetAlignedBounds(bounds);
  UpdateWindowBounds();
}

bool TWinControl::Focused() const { return handle_ != nullptr && GetFocus() == handle_; }

void TWinControl::SetFocus() { ::SetFocus(Handle()); }

TRect TWinControl::ClientRect() const {
  if (handle_ == nullptr) return TControl::ClientRect();
  RECT client;
  GetClientRect(handle_, &client);
  return TRect{client.left, client.top, client.right, client.bottom};
}

bool TWinControl::Showing() const {
  if (handle_ != nullptr) return IsWindowVisible(handle_) != FALSE;
  return TControl::Showing();
}

void TWinControl::Invalidate() {
  if (handle_ != nullptr) ::InvalidateRect(handle_, nullptr, TRUE);
}

void TWinControl::InvalidateRect(const TRect& rect) {
  if (handle_ == nullptr) return;
  RECT area{rect.Left, rect.Top, rect.Right, rect.Bottom};
  ::InvalidateRect(handle_, &area, TRUE);
}

void TWinControl::UpdateWindowBounds() {
  SetWindowPos(handle_, nullptr, Left(), Top(), Width(), Height(), SWP_NOZORDER | SWP_NOACTIVATE);
}

std::string TWinControl::GetText() const {
  if (handle_ == nullptr) return TControl::GetText();
  const int length = GetWindowTextLengthW(handle_);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(handle_, text.data(), length + 1)));
  return platform::WideToGbk(text);
}

void TWinControl::SetTextValue(const std::string& text) {
  TControl::SetTextValue(text);
  if (handle_ != nullptr) SetWindowTextW(handle_, platform::GbkToWide(text).c_str());
}

void TWinControl::PaintWindow(HDC__* dc) {
  if (default_proc_ == reinterpret_cast<void*>(&DefWindowProcW)) return;  // our class paints nothing
  CallWindowProcW(reinterpret_cast<WNDPROC>(default_proc_), handle_, WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
}

void TWinControl::PaintControls(HDC__* dc) {
  for (TControl* control : controls_) {
    if (dynamic_cast<TWinControl*>(control) != nullptr || !control->Visible()) continue;
    const TRect& b = control->BoundsRect();
    const int saved = SaveDC(dc);
    POINT origin;
    GetViewportOrgEx(dc, &origin);
    SetViewportOrgEx(dc, origin.x + b.Left, origin.y + b.Top, nullptr);
    IntersectClipRect(dc, 0, 0, b.Width(), b.Height());
    control->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    RestoreDC(dc, saved);
  }
}

void TWinControl::DefaultHandler(TMessage& message) {
  if (message.Msg >= CN_BASE && message.Msg < CN_BASE + 0x400) {
    // A notification no one took: the parent's default answer to the original message.
    HWND parent = Parent() != nullptr ? Parent()->handle_ : nullptr;
    message.Result = parent != nullptr ? DefWindowProcW(parent, message.Msg - CN_BASE, message.WParam, message.LParam) : 0;
    return;
  }
  if (handle_ == nullptr || (message.Msg >= CM_BASE && message.Msg < CM_BASE + 0x100)) return;
  message.Result = CallWindowProcW(reinterpret_cast<WNDPROC>(default_proc_), handle_, message.Msg, message.WParam,
                                   message.LParam);
}

void TWinControl::SetHovered(TControl* control) {
  if (control == hovered_) return;
  TControl* left = hovered_;
  hovered_ = control;
  if (left != nullptr) left->Perform(CM_MOUSELEAVE, 0, reinterpret_cast<intptr_t>(left));
  if (control != nullptr) control->Perform(CM_MOUSEENTER, 0, reinterpret_cast<intptr_t>(control));
}

bool TWinControl::TrackMouse(TMessage& message) {
  const int x = static_cast<short>(LOWORD(message.LParam));
  const int y = static_cast<short>(HIWORD(message.LParam));
  if (message.Msg == WM_MOUSEMOVE) {
    TControl* graphic = GraphicControlAt(x, y);
    if (hovered_ == nullptr) {
      TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, handle_, 0};
      TrackMouseEvent(&track);
    }
    SetHovered(graphic != nullptr ? graphic : this);
  }
  TControl* target = mouse_capture_ != nullptr ? mouse_capture_ : GraphicControlAt(x, y);
  if (target == nullptr) return false;
  if (message.Msg == WM_LBUTTONDOWN) {
    mouse_capture_ = target;
    SetCapture(handle_);
  }
  if (target->Enabled()) {
    const LPARAM inside = MAKELPARAM(x - target->Left(), y - target->Top());
    target->Perform(message.Msg, message.WParam, inside);
  }
  if (message.Msg == WM_LBUTTONUP && mouse_capture_ != nullptr) {
    mouse_capture_ = nullptr;
    ReleaseCapture();
  }
  return true;
}

bool TWinControl::HandleWindowMessage(TMessage& message) {
  if (handle_ == nullptr) return false;
  switch (message.Msg) {
    case WM_PAINT: {
      HDC dc = reinterpret_cast<HDC>(message.WParam);
      PAINTSTRUCT paint;
      if (dc == nullptr) dc = BeginPaint(handle_, &paint);
      PaintWindow(dc);
      PaintControls(dc);
      if (message.WParam == 0) EndPaint(handle_, &paint);
      return true;
    }
    case WM_ERASEBKGND: {
      if (default_proc_ != reinterpret_cast<void*>(&DefWindowProcW)) return false;
      if (brush_ == nullptr) brush_ = CreateSolidBrush(ColorToRGB(Color()));
      RECT client;
      GetClientRect(handle_, &client);
      FillRect(reinterpret_cast<HDC>(message.WParam), &client, brush_);
      message.Result = 1;
      return true;
    }
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_DELETEITEM:
    case WM_COMPAREITEM:
    case WM_HSCROLL:
    case WM_VSCROLL: {
      TWinControl* child = FromHandle(NotifyingWindow(handle_, message));
      if (child == nullptr || child == this) return false;
      message.Result = child->Perform(CN_BASE + message.Msg, message.WParam, message.LParam);
      return true;
    }
    case CN_BASE + WM_CTLCOLORMSGBOX:
    case CN_BASE + WM_CTLCOLOREDIT:
    case CN_BASE + WM_CTLCOLORLISTBOX:
    case CN_BASE + WM_CTLCOLORBTN:
    case CN_BASE + WM_CTLCOLORDLG:
    case CN_BASE + WM_CTLCOLORSCROLLBAR:
    case CN_BASE + WM_CTLCOLORSTATIC: {
      HDC dc = reinterpret_cast<HDC>(message.WParam);
      SetTextColor(dc, ColorToRGB(Font().Color()));
      SetBkColor(dc, ColorToRGB(Color()));
      if (brush_ == nullptr) brush_ = CreateSolidBrush(ColorToRGB(Color()));
      message.Result = reinterpret_cast<LRESULT>(brush_);
      return true;
    }
    case WM_MOUSELEAVE:
      SetHovered(nullptr);
      return false;
    case WM_CONTEXTMENU: {
      // The control's own pop-up menu; without one the system asks the parent.
      auto* menu = dynamic_cast<TPopupMenu*>(PopupMenu());
      if (menu == nullptr) return false;
      POINT at{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
      if (message.LParam == -1) {  // from the keyboard: below the control's top left corner
        at = POINT{0, 0};
        ClientToScreen(handle_, &at);
      }
      menu->SetPopupComponent(this);
      menu->Popup(at.x, at.y);
      return true;
    }
    case WM_SIZE:
      Realign();
      return false;
    case WM_WINDOWPOSCHANGED: {
      // Moved or sized from outside (the user, the system): the bounds follow the window.
      RECT window;
      GetWindowRect(handle_, &window);
      if (Parent() != nullptr && Parent()->handle_ != nullptr) {
        MapWindowPoints(HWND_DESKTOP, Parent()->handle_, reinterpret_cast<POINT*>(&window), 2);
      }
      SetAlignedBounds(TRect{window.left, window.top, window.right, window.bottom});
      return false;
    }
    case WM_NCDESTROY:
      DefaultHandler(message);
      DetachHandle();
      return true;
    case CM_VISIBLECHANGED:
      ShowWindow(handle_, message.WParam == 0 ? SW_HIDE : Parent() != nullptr ? SW_SHOWNA : SW_SHOW);
      return false;
    case CM_ENABLEDCHANGED:
      EnableWindow(handle_, Enabled());
      return false;
    case CM_COLORCHANGED:
      if (brush_ != nullptr) DeleteObject(brush_);
      brush_ = nullptr;
      Invalidate();
      return false;
    case CM_FONTCHANGED:
      SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), TRUE);
      return false;
    default:
      // A message a graphic child took stops here.
      return IsMouseMessage(message.Msg) && TrackMouse(message);
  }
}

}  // namespace ruzi
