// A grid cell's default painting: the fill of its kind, the grid lines right of and below it,
// and its text, clipped to the cell.
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

}  // namespace ruzi
