// A grid cell's default painting (the fill of its kind, the grid lines right of and below it,
// and its text, clipped to the cell) and the grid's scroll bars.
#include <windows.h>

#include "ui/grid_axis.h"
#include "ui/string_grid.h"

namespace ruzi {
namespace {

constexpr int kTextMargin = 2;

}  // namespace

void TStringGrid::DrawCell(int col, int row, const TRect& rect, TGridDrawState state) {
  TCanvas& canvas = Canvas();
  const bool fixed = state.Contains(TGridDrawStateItem::gdFixed);
  const bool selected = state.Contains(TGridDrawStateItem::gdSelected);
  canvas.Brush().SetStyle(TBrushStyle::bsSolid);
  canvas.Brush().SetColor(fixed ? clBtnShadow : clSilver);
  canvas.FillRect(TRect{rect.Right, rect.Top, rect.Right + 1, rect.Bottom + 1});
  canvas.FillRect(TRect{rect.Left, rect.Bottom, rect.Right + 1, rect.Bottom + 1});
  canvas.Brush().SetColor(fixed ? fixed_color_ : selected ? clHighlight : Color());
  canvas.FillRect(rect);
  canvas.Font().SetColor(selected && !fixed ? clHighlightText : Font().Color());
  const std::string& text = Cells(col, row);
  const int top = rect.Top + (rect.Height() - canvas.TextHeight(text)) / 2;
  canvas.TextRect(rect, rect.Left + kTextMargin, top, text);
}

// A bar counts the scrolling cells, its page the cells past the last first: the position then
// runs from 0 to the last first less the fixed cells, and the bar goes when everything fits.
// A bar that comes or goes changes the client area, so the other bar is measured again.
void TStringGrid::UpdateScrollBars() {
  if (!HandleAllocated() || updating_bars_) return;
  updating_bars_ = true;
  auto set = [&](int bar, const TGridAxis& axis, int first) {
    const int count = static_cast<int>(axis.Sizes.size());
    SCROLLINFO info{sizeof info, SIF_RANGE | SIF_PAGE | SIF_POS, 0, count - axis.Fixed - 1,
                    static_cast<UINT>(count - GridAxisLastFirst(axis)), first - axis.Fixed, 0};
    SetScrollInfo(Handle(), bar, &info, TRUE);
  };
  for (int pass = 0; pass < 3; ++pass) {
    const TRect client = ClientRect();
    ClampScroll();
    set(SB_HORZ, Columns(), left_col_);
    set(SB_VERT, Rows(), top_row_);
    if (ClientRect() == client) break;
  }
  updating_bars_ = false;
}

int TStringGrid::TrackPosition(bool vertical) {
  SCROLLINFO info{sizeof info, SIF_TRACKPOS, 0, 0, 0, 0, 0};
  GetScrollInfo(Handle(), vertical ? SB_VERT : SB_HORZ, &info);
  return info.nTrackPos;
}

bool TStringGrid::ControlKeyDown() { return (GetKeyState(VK_CONTROL) & 0x8000) != 0; }

}  // namespace ruzi
