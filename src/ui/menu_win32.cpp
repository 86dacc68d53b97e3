// The system's side of menus: HMENU trees built from the items, the owner-draw messages, the
// menu bar of a window, and pop-up menus.
#include <windows.h>

#include "foundation/error.h"
#include "platform/text_encoding.h"
#include "ui/canvas.h"
#include "ui/image_list.h"
#include "ui/menu.h"
#include "ui/menu_owner_draw.h"

namespace ruzi {
namespace {

void AppendItems(HMENU menu, const TMenuItem& parent, bool owner_draw) {
  for (int index = 0; index < parent.Count(); ++index) {
    const TMenuItem& item = *parent.Items(index);
    if (!item.Visible()) continue;
    UINT flags = (item.Checked() ? MF_CHECKED : 0) | (item.Enabled() ? 0 : MF_GRAYED) |
                 (item.RadioItem() ? MFT_RADIOCHECK : 0);
    UINT_PTR id = static_cast<UINT_PTR>(item.Command());
    if (item.Count() > 0) {
      HMENU sub = CreatePopupMenu();
      AppendItems(sub, item, owner_draw);
      flags |= MF_POPUP;
      id = reinterpret_cast<UINT_PTR>(sub);
    }
    if (owner_draw) {
      // The item data is the command: the item is found again through it, never by address.
      AppendMenuW(menu, flags | MF_OWNERDRAW, id, reinterpret_cast<LPCWSTR>(static_cast<UINT_PTR>(item.Command())));
    } else if (item.IsLine()) {
      AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    } else {
      // The system right-aligns what follows a tab.
      const std::string short_cut = ShortCutToText(item.ShortCut());
      const std::string text = short_cut.empty() ? item.Caption() : item.Caption() + "\t" + short_cut;
      AppendMenuW(menu, flags | MF_STRING, id, platform::GbkToWide(text).c_str());
    }
  }
}

// The window that receives a pop-up menu's owner-draw messages: the thread's own, hidden.
HWND PopupOwner() {
  static HWND window = [] {
    WNDCLASSW window_class{};
    window_class.lpfnWndProc = [](HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) -> LRESULT {
      TMessage message{msg, wparam, lparam, 0};
      if (DispatchMenuMessage(message)) return message.Result;
      return DefWindowProcW(hwnd, msg, wparam, lparam);
    };
    window_class.hInstance = GetModuleHandleW(nullptr);
    window_class.lpszClassName = L"RuziPopupMenuOwner";
    RegisterClassW(&window_class);
    return CreateWindowExW(0, window_class.lpszClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                           window_class.hInstance, nullptr);
  }();
  return window;
}

}  // namespace

TImageList* FindMenuImages(TMenu& menu, const std::string& name);

TImageList* FindMenuImages(TMenu& menu, const std::string& name) {
  TComponent* owner = menu.Owner() != nullptr ? menu.Owner() : &menu;
  return dynamic_cast<TImageList*>(owner->FindComponent(name));
}

HMENU__* TMenu::BuildHandle() {
  HMENU menu = IsPopup() ? CreatePopupMenu() : CreateMenu();
  if (menu == nullptr) throw Error("Cannot create the menu " + Name());
  AppendItems(menu, *items_, IsOwnerDraw());
  return menu;
}

void TMenu::DestroyMenuHandle(HMENU__* handle) {
  if (handle != nullptr) DestroyMenu(handle);
}

void TMainMenu::SetWindow(HWND__* window) {
  if (window_ != nullptr && window != window_ && IsWindow(window_)) SetMenu(window_, nullptr);
  window_ = window;
  if (window_ == nullptr) return;
  SetMenu(window_, Handle());
  DrawMenuBar(window_);
}

void TPopupMenu::Popup(int x, int y) {
  OnPopup(this);
  HWND owner = PopupOwner();
  SetForegroundWindow(owner);
  const int command = static_cast<int>(
      TrackPopupMenu(Handle(), TPM_RETURNCMD | TPM_NONOTIFY | TPM_LEFTALIGN | TPM_RIGHTBUTTON, x, y, 0, owner, nullptr));
  if (TMenuItem* item = command != 0 ? FindMenuItemByCommand(command) : nullptr) item->Click();
}

bool DispatchMenuOwnerDraw(TMessage& message) {
  if (message.Msg == WM_MEASUREITEM) {
    auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(message.LParam);
    if (measure->CtlType != ODT_MENU) return false;
    TMenuItem* item = FindMenuItemByCommand(static_cast<int>(measure->itemData));
    if (item == nullptr) return false;
    HDC screen = GetDC(nullptr);
    TCanvas canvas;
    canvas.SetHandle(screen);
    int width = 0, height = 0;
    item->MeasureItem(canvas, width, height);
    canvas.SetHandle(nullptr);
    ReleaseDC(nullptr, screen);
    measure->itemWidth = static_cast<UINT>(width);
    measure->itemHeight = static_cast<UINT>(height);
    message.Result = TRUE;
    return true;
  }
  if (message.Msg == WM_DRAWITEM) {
    auto* draw = reinterpret_cast<DRAWITEMSTRUCT*>(message.LParam);
    if (draw->CtlType != ODT_MENU) return false;
    TMenuItem* item = FindMenuItemByCommand(static_cast<int>(draw->itemData));
    if (item == nullptr) return false;
    TCanvas canvas;
    canvas.SetHandle(draw->hDC);
    const RECT& r = draw->rcItem;
    item->DrawItem(canvas, TRect{r.left, r.top, r.right, r.bottom}, (draw->itemState & ODS_SELECTED) != 0);
    canvas.SetHandle(nullptr);
    message.Result = TRUE;
    return true;
  }
  return false;
}

}  // namespace ruzi
