// The grid's own painting: title, data and footer cells column by column, then the lines.
#include "ui/cell_paint.h"
#include "ui/db_grid_eh.h"

namespace ruzi {
namespace {

constexpr TColor kLineColor = clSilver;

}  // namespace

void TDBGridEh::Paint() {
  TCanvas& canvas = Canvas();
  const TGridMetrics metrics = Metrics();
  FillArea(canvas, ClientRect(), Color());
  const int shown = GridVisibleRows(metrics);
  int right = 0;
  for (int index = metrics.LeftCol; index < columns_.Count(); ++index) {
    TColumnEh& column = columns_[index];
    if (!column.Visible()) continue;
    const TRect title = GridCellRect(metrics, TGridArea::Title, index);
    if (title.Left >= metrics.Client.cx) break;
    FillArea(canvas, title, fixed_color_);
    DrawCellText(canvas, title, column.Title().Caption(), column.Title().Font());
    for (int row = metrics.TopRow; row < metrics.TopRow + shown; ++row) {
      const TRect cell = GridCellRect(metrics, TGridArea::Data, index, row);
      const TGridDrawState state = row == row_ ? TGridDrawState{TGridDrawStateItem::gdSelected} : TGridDrawState{};
      TFont font(column.Font());
      TColor background = Color();
      if (row == row_) {
        background = clHighlight;
        font.SetColor(clHighlightText);
      }
      OnGetCellParams(this, &column, &font, background, state);
      FillArea(canvas, cell, background);
      DrawCellText(canvas, cell, CellText(row, index), font, column.Alignment());
      OnDrawColumnCell(this, cell, index, &column, state);
    }
    if (footer_rows_ > 0) {
      const TRect footer = GridCellRect(metrics, TGridArea::Footer, index);
      FillArea(canvas, footer, footer_color_);
      DrawCellText(canvas, footer, column.Footer().Value, column.Footer().Font, column.Alignment());
      OnDrawFooterCell(this, index, 0, &column, footer, TGridDrawState{TGridDrawStateItem::gdFixed});
    }
    right = title.Right;
    FillArea(canvas, TRect{right, 0, right + 1, metrics.Client.cy}, kLineColor);
    ++right;
  }
  FillArea(canvas, TRect{0, metrics.TitleHeight, right, metrics.TitleHeight + 1}, kLineColor);
  for (int line = 1; line <= shown; ++line) {
    const int y = GridDataTop(metrics) + line * (metrics.RowHeight + 1) - 1;
    FillArea(canvas, TRect{0, y, right, y + 1}, kLineColor);
  }
  if (footer_rows_ > 0) {
    const int y = GridDataBottom(metrics);
    FillArea(canvas, TRect{0, y, right, y + 1}, kLineColor);
  }
  if (Focused()) canvas.DrawFocusRect(GridCellRect(metrics, TGridArea::Data, selected_index_, row_));
}

}  // namespace ruzi
