// A header control's sections in the system's window.
#include <windows.h>

#include <commctrl.h>

#include "platform/text_encoding.h"
#include "ui/header_control.h"

namespace ruzi {

void THeaderControl::UpdateWindowSections() {
  HWND window = Handle();
  while (SendMessageW(window, HDM_DELETEITEM, 0, 0) != FALSE) {
  }
  for (int index = 0; index < sections_.Count(); ++index) {
    std::wstring text = platform::GbkToWide(sections_.Items(index).Text());
    HDITEMW item{};
    item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
    item.pszText = text.data();
    item.cxy = sections_.Items(index).Width();
    item.fmt = HDF_LEFT | HDF_STRING;
    SendMessageW(window, HDM_INSERTITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
  }
}

int THeaderControl::ClickedSection(const TMessage& message) {
  const auto* header = reinterpret_cast<const NMHEADERW*>(message.LParam);
  if (header->hdr.code != static_cast<UINT>(HDN_ITEMCLICKW) && header->hdr.code != static_cast<UINT>(HDN_ITEMCLICKA)) {
    return -1;
  }
  return header->iItem;
}

}  // namespace ruzi
