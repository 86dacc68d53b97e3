// A tree view's nodes in the system's window; each item carries its node's address.
#include <windows.h>

#include <commctrl.h>

#include "platform/text_encoding.h"
#include "ui/tree_view.h"

namespace ruzi {
namespace {

// Inserts `node` and its subtree; answers the window's item of `wanted` when it is among them.
HTREEITEM InsertNodes(HWND window, HTREEITEM parent, const TTreeNode* node, const TTreeNode* wanted) {
  std::wstring text = platform::GbkToWide(node->Text());
  TVINSERTSTRUCTW insert{};
  insert.hParent = parent;
  insert.hInsertAfter = TVI_LAST;
  insert.item.mask = TVIF_TEXT | TVIF_PARAM;
  insert.item.pszText = text.data();
  insert.item.lParam = reinterpret_cast<LPARAM>(node);
  auto* item = reinterpret_cast<HTREEITEM>(SendMessageW(window, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
  HTREEITEM found = node == wanted ? item : nullptr;
  for (int index = 0; index < node->Count(); ++index) {
    if (HTREEITEM below = InsertNodes(window, item, node->Item(index), wanted)) found = below;
  }
  if (node->Expanded()) SendMessageW(window, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item));
  return found;
}

// The window's item showing `node`, from `item` down; nullptr when none.
HTREEITEM FindItem(HWND window, HTREEITEM item, const TTreeNode* node) {
  for (; item != nullptr; item = TreeView_GetNextSibling(window, item)) {
    TVITEMW entry{};
    entry.mask = TVIF_PARAM;
    entry.hItem = item;
    SendMessageW(window, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&entry));
    if (reinterpret_cast<const TTreeNode*>(entry.lParam) == node) return item;
    if (HTREEITEM below = FindItem(window, TreeView_GetChild(window, item), node)) return below;
  }
  return nullptr;
}

}  // namespace

void TTreeView::UpdateWindowContents() {
  HWND window = Handle();
  filling_window_ = true;
  TTreeNode* keep = selected_;
  SendMessageW(window, WM_SETREDRAW, FALSE, 0);
  SendMessageW(window, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
  HTREEITEM selected = nullptr;
  for (int index = 0; index < items_.RootCount(); ++index) {
    if (HTREEITEM found = InsertNodes(window, TVI_ROOT, items_.Root(index), keep)) selected = found;
  }
  SendMessageW(window, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(selected));
  selected_ = keep;
  filling_window_ = false;
  SendMessageW(window, WM_SETREDRAW, TRUE, 0);
  Invalidate();
}

void TTreeView::SelectInWindow(TTreeNode* node) {
  HWND window = Handle();
  HTREEITEM item = node != nullptr ? FindItem(window, TreeView_GetRoot(window), node) : nullptr;
  SendMessageW(window, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
}

TTreeView::TSelectionNotice TTreeView::SelectionNotice(const TMessage& message) const {
  // The A and W notices differ in code only where the item's text is, which is not read here.
  const auto* notice = reinterpret_cast<const NMTREEVIEWW*>(message.LParam);
  TSelectionNotice result;
  const UINT code = notice->hdr.code;
  if (code == static_cast<UINT>(TVN_SELCHANGINGW) || code == static_cast<UINT>(TVN_SELCHANGINGA)) {
    result.Kind = TSelectionNotice::Changing;
  } else if (code == static_cast<UINT>(TVN_SELCHANGEDW) || code == static_cast<UINT>(TVN_SELCHANGEDA)) {
    result.Kind = TSelectionNotice::Changed;
  } else {
    return result;
  }
  result.Node = reinterpret_cast<TTreeNode*>(notice->itemNew.lParam);
  return result;
}

}  // namespace ruzi
