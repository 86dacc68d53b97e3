// A tree view's nodes in the system's window; each item carries its node's address.
#include <windows.h>

#include <commctrl.h>

#include "platform/text_encoding.h"
#include "ui/tree_view.h"

namespace ruzi {
namespace {

void InsertNodes(HWND window, HTREEITEM parent, const TTreeNode* node) {
  std::wstring text = platform::GbkToWide(node->Text());
  TVINSERTSTRUCTW insert{};
  insert.hParent = parent;
  insert.hInsertAfter = TVI_LAST;
  insert.item.mask = TVIF_TEXT | TVIF_PARAM;
  insert.item.pszText = text.data();
  insert.item.lParam = reinterpret_cast<LPARAM>(node);
  auto* item = reinterpret_cast<HTREEITEM>(SendMessageW(window, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
  for (int index = 0; index < node->Count(); ++index) InsertNodes(window, item, node->Item(index));
  if (node->Expanded()) SendMessageW(window, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item));
}

}  // namespace

void TTreeView::UpdateWindowContents() {
  HWND window = Handle();
  SendMessageW(window, WM_SETREDRAW, FALSE, 0);
  SendMessageW(window, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
  for (int index = 0; index < items_.RootCount(); ++index) InsertNodes(window, TVI_ROOT, items_.Root(index));
  SendMessageW(window, WM_SETREDRAW, TRUE, 0);
  Invalidate();
}

TTreeNode* TTreeView::WindowSelected() {
  HWND window = Handle();
  auto* item = reinterpret_cast<HTREEITEM>(SendMessageW(window, TVM_GETNEXTITEM, TVGN_CARET, 0));
  if (item == nullptr) return nullptr;
  TVITEMW entry{};
  entry.mask = TVIF_PARAM;
  entry.hItem = item;
  SendMessageW(window, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&entry));
  return reinterpret_cast<TTreeNode*>(entry.lParam);
}

}  // namespace ruzi
