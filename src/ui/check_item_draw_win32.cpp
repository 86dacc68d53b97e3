#include <windows.h>

#include <algorithm>

#include "platform/text_encoding.h"
#include "ui/check_item_draw.h"
#include "ui/item_checks.h"

namespace ruzi {

void DrawCheckItem(intptr_t draw_item, const TStrings& items, const TItemChecks& checks) {
  const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(draw_item);
  const int index = static_cast<int>(item.itemID);
  if (index < 0 || index >= items.Count()) return;
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  RECT area = item.rcItem;
  FillRect(item.hDC, &area, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  const int side = std::min<int>(area.bottom - area.top - 2, 13);
  const int top = area.top + (area.bottom - area.top - side) / 2;
  RECT box{area.left + 2, top, area.left + 2 + side, top + side};
  DrawFrameControl(item.hDC, &box, DFC_BUTTON,
                   DFCS_BUTTONCHECK | DFCS_FLAT | (checks.Checked(index) ? DFCS_CHECKED : 0));
  SetBkMode(item.hDC, TRANSPARENT);
  SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
  area.left = box.right + 4;
  const std::wstring text = platform::GbkToWide(items[index]);
  DrawTextW(item.hDC, text.c_str(), static_cast<int>(text.size()), &area, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  if ((item.itemState & ODS_FOCUS) != 0) DrawFocusRect(item.hDC, &item.rcItem);
}

}  // namespace ruzi
