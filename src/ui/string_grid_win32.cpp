// A grid cell's default painting (its fill, the grid lines Options ask for right of and below
// it, its text clipped to the cell, and the focus frame) and the sizing cursor.
#include <windows.h>

#include "ui/string_grid.h"

namespace ruzi {
namespace {

constexpr int kTextMargin = 2;

}  // namespace

// The focused cell shows as selected only with goDrawFocusSelected or whole rows selected;
// otherwise it keeps its fill and gets the focus frame. A line left out takes the cell's fill.
void TStringGrid::DrawCell(int col, int row, const TRect& rect, TGridDrawState state) {
  TCanvas& canvas = Canvas();
  const bool fixed = state.Contains(TGridDrawStateItem::gdFixed);
  const bool focused = state.Contains(TGridDrawStateItem::gdFocused);
  const bool highlighted = state.Contains(TGridDrawStateItem::gdSelected) &&
                           (!focused || options_.Contains(TGridOption::goDrawFocusSelected) ||
                            options_.Contains(TGridOption::goRowSelect));
  const TColor fill = fixed ? fixed_color_ : highlighted ? clHighlight : Color();
  const TColor line = fixed ? clBtnShadow : clSilver;
  const bool vert = options_.Contains(fixed ? TGridOption::goFixedVertLine : TGridOption::goVertLine);
  const bool horz = options_.Contains(fixed ? TGridOption::goFixedHorzLine : TGridOption::goHorzLine);
  canvas.Brush().SetStyle(TBrushStyle::bsSolid);
  canvas.Brush().SetColor(vert ? line : fill);
  canvas.FillRect(TRect{rect.Right, rect.Top, rect.Right + 1, rect.Bottom + 1});
  canvas.Brush().SetColor(horz ? line : fill);
  canvas.FillRect(TRect{rect.Left, rect.Bottom, rect.Right + (vert ? 0 : 1), rect.Bottom + 1});
  canvas.Brush().SetColor(fill);
  canvas.FillRect(rect);
  canvas.Font().SetColor(highlighted && !fixed ? clHighlightText : Font().Color());
  const std::string& text = Cells(col, row);
  const int top = rect.Top + (rect.Height() - canvas.TextHeight(text)) / 2;
  canvas.TextRect(rect, rect.Left + kTextMargin, top, text);
  if (focused && !highlighted) canvas.DrawFocusRect(rect);
}

bool TStringGrid::ShowSizingCursor() {
  POINT at;
  if (!GetCursorPos(&at) || !ScreenToClient(Handle(), &at)) return false;
  const TGridSizingLine line = sizing_.Index >= 0 ? sizing_ : SizingLineAt(at.x, at.y);
  if (line.Index < 0) return false;
  SetCursor(LoadCursorA(nullptr, line.Vertical ? IDC_SIZENS : IDC_SIZEWE));
  return true;
}

}  // namespace ruzi
