#include "ui/grid_layout.h"

#include <algorithm>

namespace ruzi {
namespace {

constexpr int kLine = 1;

int ColumnLeft(const TGridMetrics& metrics, int column) {
  int left = 0;
  for (int index = metrics.LeftCol; index < column; ++index) left += metrics.ColumnWidths[static_cast<size_t>(index)] + kLine;
  return left;
}

TRect Clipped(TRect rect, const TSize& client) {
  rect.Left = std::clamp(rect.Left, 0, client.cx);
  rect.Right = std::clamp(rect.Right, rect.Left, client.cx);
  rect.Top = std::clamp(rect.Top, 0, client.cy);
  rect.Bottom = std::clamp(rect.Bottom, rect.Top, client.cy);
  return rect;
}

}  // namespace

int GridDataTop(const TGridMetrics& metrics) { return metrics.TitleHeight + kLine; }

int GridDataBottom(const TGridMetrics& metrics) {
  return metrics.FooterHeight > 0 ? metrics.Client.cy - metrics.FooterHeight - kLine : metrics.Client.cy;
}

int GridVisibleRows(const TGridMetrics& metrics) {
  const int room = GridDataBottom(metrics) - GridDataTop(metrics);
  // The last row needs no line below it.
  const int fit = room > 0 ? (room + kLine) / (metrics.RowHeight + kLine) : 0;
  return std::clamp(metrics.RowCount - metrics.TopRow, 0, fit);
}

TRect GridColumnRect(const TGridMetrics& metrics, int column) {
  if (column < metrics.LeftCol || column >= static_cast<int>(metrics.ColumnWidths.size())) return TRect{};
  const int left = ColumnLeft(metrics, column);
  return Clipped(TRect{left, 0, left + metrics.ColumnWidths[static_cast<size_t>(column)], metrics.Client.cy},
                 metrics.Client);
}

TRect GridCellRect(const TGridMetrics& metrics, TGridArea area, int column, int row) {
  TRect rect = GridColumnRect(metrics, column);
  switch (area) {
    case TGridArea::Title:
      rect.Top = 0;
      rect.Bottom = metrics.TitleHeight;
      break;
    case TGridArea::Footer:
      if (metrics.FooterHeight <= 0) return TRect{};
      rect.Top = metrics.Client.cy - metrics.FooterHeight;
      rect.Bottom = metrics.Client.cy;
      break;
    case TGridArea::Data:
      if (row < metrics.TopRow || row >= metrics.TopRow + GridVisibleRows(metrics)) return TRect{};
      rect.Top = GridDataTop(metrics) + (row - metrics.TopRow) * (metrics.RowHeight + kLine);
      rect.Bottom = rect.Top + metrics.RowHeight;
      break;
    case TGridArea::None:
      return TRect{};
  }
  return Clipped(rect, metrics.Client);
}

TGridHit GridHitTest(const TGridMetrics& metrics, int x, int y) {
  if (x < 0 || y < 0 || x >= metrics.Client.cx || y >= metrics.Client.cy) return {};
  int column = -1;
  for (int index = metrics.LeftCol, left = 0; index < static_cast<int>(metrics.ColumnWidths.size()); ++index) {
    const int right = left + metrics.ColumnWidths[static_cast<size_t>(index)];
    if (x >= left && x < right) column = index;
    if (x < right + kLine) break;
    left = right + kLine;
  }
  if (column < 0) return {};
  if (y < metrics.TitleHeight) return {TGridArea::Title, column, -1};
  if (metrics.FooterHeight > 0 && y >= metrics.Client.cy - metrics.FooterHeight) return {TGridArea::Footer, column, -1};
  const int offset = y - GridDataTop(metrics);
  if (offset < 0 || y >= GridDataBottom(metrics)) return {};
  const int pitch = metrics.RowHeight + kLine;
  if (offset % pitch >= metrics.RowHeight) return {};
  const int row = metrics.TopRow + offset / pitch;
  if (row >= metrics.TopRow + GridVisibleRows(metrics)) return {};
  return {TGridArea::Data, column, row};
}

}  // namespace ruzi
