// A list view's columns and items in the system's window.
#include <windows.h>

#include <commctrl.h>

#include "platform/text_encoding.h"
#include "ui/list_view.h"

namespace ruzi {
namespace {

void SetItemText(HWND window, int item, int column, const std::string& text) {
  std::wstring wide = platform::GbkToWide(text);
  LVITEMW entry{};
  entry.iSubItem = column;
  entry.pszText = wide.data();
  SendMessageW(window, LVM_SETITEMTEXTW, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&entry));
}

}  // namespace

void TListView::UpdateWindowContents() {
  HWND window = Handle();
  filling_window_ = true;
  SendMessageW(window, WM_SETREDRAW, FALSE, 0);
  SendMessageW(window, LVM_DELETEALLITEMS, 0, 0);
  while (SendMessageW(window, LVM_DELETECOLUMN, 0, 0) != FALSE) {
  }
  for (int index = 0; index < columns_.Count(); ++index) {
    std::wstring text = platform::GbkToWide(columns_.Items(index).Text());
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.pszText = text.data();
    column.cx = columns_.Items(index).Width();
    column.iSubItem = index;
    SendMessageW(window, LVM_INSERTCOLUMNW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column));
  }
  for (int index = 0; index < items_.Count(); ++index) {
    const TListItem& item = items_.Item(index);
    std::wstring caption = platform::GbkToWide(item.Caption());
    LVITEMW entry{};
    entry.mask = LVIF_TEXT;
    entry.iItem = index;
    entry.pszText = caption.data();
    SendMessageW(window, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&entry));
    for (size_t sub = 0; sub < item.SubItems().size(); ++sub) {
      SetItemText(window, index, static_cast<int>(sub) + 1, item.SubItems()[sub]);
    }
  }
  SelectInWindow(item_index_);
  filling_window_ = false;
  SendMessageW(window, WM_SETREDRAW, TRUE, 0);
  Invalidate();
}

void TListView::UpdateWindowStyles() {
  if (!HandleAllocated()) return;
  const DWORD styles = (grid_lines_ ? LVS_EX_GRIDLINES : 0) | (row_select_ ? LVS_EX_FULLROWSELECT : 0);
  SendMessageW(Handle(), LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT, styles);
}

void TListView::SelectInWindow(int index) {
  LVITEMW state{};
  state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  if (index < 0) {
    state.stateMask = LVIS_SELECTED;  // every item (-1) loses its selection
    SendMessageW(Handle(), LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&state));
    return;
  }
  state.state = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageW(Handle(), LVM_SETITEMSTATE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&state));
  SendMessageW(Handle(), LVM_ENSUREVISIBLE, static_cast<WPARAM>(index), FALSE);
}

bool TListView::SelectionNotice(const TMessage& message, int& index, bool& selected) const {
  const auto* notice = reinterpret_cast<const NMLISTVIEW*>(message.LParam);
  if (notice->hdr.code != static_cast<UINT>(LVN_ITEMCHANGED) || (notice->uChanged & LVIF_STATE) == 0) return false;
  if (((notice->uOldState ^ notice->uNewState) & LVIS_SELECTED) == 0) return false;
  index = notice->iItem;
  selected = (notice->uNewState & LVIS_SELECTED) != 0;
  return true;
}

}  // namespace ruzi
