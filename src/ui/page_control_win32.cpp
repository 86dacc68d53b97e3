// The tabs of a page control in the system's tab control.
#include <windows.h>

#include <commctrl.h>

#include "platform/text_encoding.h"
#include "ui/page_control.h"

namespace ruzi {

void TPageControl::UpdateTabs() {
  if (!HandleAllocated()) return;
  HWND window = Handle();
  SendMessageW(window, TCM_DELETEALLITEMS, 0, 0);
  int tab = 0;
  for (TTabSheet* page : pages_) {
    if (!page->TabVisible()) continue;
    std::wstring text = platform::GbkToWide(page->Caption());
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text.data();
    SendMessageW(window, TCM_INSERTITEMW, static_cast<WPARAM>(tab++), reinterpret_cast<LPARAM>(&item));
  }
  SelectTab(active_ != nullptr ? active_->TabIndex() : -1);
  PlacePages();  // the tabs may now take more or less room
}

void TPageControl::SelectTab(int tab) {
  if (HandleAllocated()) SendMessageW(Handle(), TCM_SETCURSEL, static_cast<WPARAM>(tab), 0);
}

int TPageControl::ChangedTab(const TMessage& message) {
  const auto* header = reinterpret_cast<const NMHDR*>(message.LParam);
  if (header->code != static_cast<UINT>(TCN_SELCHANGE)) return -1;
  return static_cast<int>(SendMessageW(Handle(), TCM_GETCURSEL, 0, 0));
}

TRect TPageControl::DisplayRect() const {
  TRect client = ClientRect();
  if (!HandleAllocated()) return client;
  RECT area{client.Left, client.Top, client.Right, client.Bottom};
  SendMessageW(const_cast<TPageControl*>(this)->Handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
  return TRect{area.left, area.top, area.right, area.bottom};
}

}  // namespace ruzi
