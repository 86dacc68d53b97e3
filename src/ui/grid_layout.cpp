#include "ui/grid_layout.h"

#include <algorithm>

#include "ui/scroll_box.h"

namespace ruzi {
namespace {

constexpr int kLine = 1;

int Width(const TGridMetrics& metrics, int column) { return metrics.ColumnWidths[static_cast<size_t>(column)]; }
int ColumnCount(const TGridMetrics& metrics) { return static_cast<int>(metrics.ColumnWidths.size()); }
bool Shown(const TGridMetrics& metrics, int column) {
  return column >= 0 && column < ColumnCount(metrics) && Width(metrics, column) >= 0;
}

std::vector<int> ShownColumns(const TGridMetrics& metrics) {
  std::vector<int> shown;
  for (int column = 0; column < ColumnCount(metrics); ++column) {
    if (Shown(metrics, column)) shown.push_back(column);
  }
  return shown;
}

// The room the shown columns from `first` up to (not including) `column` take, lines included.
int Span(const TGridMetrics& metrics, int first, int column) {
  int span = 0;
  for (int index = std::max(first, 0); index < column; ++index) {
    if (Shown(metrics, index)) span += Width(metrics, index) + kLine;
  }
  return span;
}

int ColumnLeft(const TGridMetrics& metrics, int column) { return Span(metrics, metrics.LeftCol, column); }

// True when `column` lies whole inside the client area with `left` as the first column.
bool FitsFrom(const TGridMetrics& metrics, int left, int column) {
  return Span(metrics, left, column) + Width(metrics, column) <= metrics.Client.cx;
}

TRect Clipped(TRect rect, const TSize& client) {
  rect.Left = std::clamp(rect.Left, 0, client.cx);
  rect.Right = std::clamp(rect.Right, rect.Left, client.cx);
  rect.Top = std::clamp(rect.Top, 0, client.cy);
  rect.Bottom = std::clamp(rect.Bottom, rect.Top, client.cy);
  return rect;
}

int Ordinal(const std::vector<int>& shown, int column) {
  return static_cast<int>(std::lower_bound(shown.begin(), shown.end(), column) - shown.begin());
}

}  // namespace

int GridDataTop(const TGridMetrics& metrics) { return metrics.TitleHeight + kLine; }

int GridDataBottom(const TGridMetrics& metrics) {
  return metrics.FooterHeight > 0 ? metrics.Client.cy - metrics.FooterHeight - kLine : metrics.Client.cy;
}

int GridPageRows(const TGridMetrics& metrics) {
  const int room = GridDataBottom(metrics) - GridDataTop(metrics);
  // The last row needs no line below it.
  return room > 0 ? (room + kLine) / (metrics.RowHeight + kLine) : 0;
}

int GridVisibleRows(const TGridMetrics& metrics) {
  return std::clamp(metrics.RowCount - metrics.TopRow, 0, GridPageRows(metrics));
}

int GridMaxTopRow(const TGridMetrics& metrics) {
  return std::max(0, metrics.RowCount - std::max(1, GridPageRows(metrics)));
}

int GridMaxLeftCol(const TGridMetrics& metrics) {
  const std::vector<int> shown = ShownColumns(metrics);
  if (shown.empty()) return 0;
  const int last = shown.back();
  int left = last;
  for (auto it = shown.rbegin() + 1; it != shown.rend() && FitsFrom(metrics, *it, last); ++it) left = *it;
  return left;
}

int GridTopRowShowing(const TGridMetrics& metrics, int row) {
  const int page = std::max(1, GridPageRows(metrics));
  int top = metrics.TopRow;
  if (row >= 0 && row < top) top = row;
  if (row >= top + page) top = row - page + 1;
  return std::clamp(top, 0, GridMaxTopRow(metrics));
}

int GridLeftColShowing(const TGridMetrics& metrics, int column) {
  const int most = GridMaxLeftCol(metrics);
  int left = std::max(metrics.LeftCol, 0);
  if (Shown(metrics, column)) {
    if (column < left) left = column;
    // Only shown columns before it count: a hidden one between is as good as the column itself.
    while (Span(metrics, left, column) > 0 && !FitsFrom(metrics, left, column)) ++left;
  }
  return std::clamp(left, 0, most);
}

TGridCell GridKeyTarget(const TGridMetrics& metrics, TGridCell at, TGridKey key) {
  const int page = std::max(1, GridPageRows(metrics));
  const std::vector<int> shown = ShownColumns(metrics);
  auto row_to = [&](int row) { at.Row = metrics.RowCount > 0 ? std::clamp(row, 0, metrics.RowCount - 1) : -1; };
  auto column_to = [&](int ordinal) {
    at.Column = shown.empty() ? -1 : shown[static_cast<size_t>(std::clamp(ordinal, 0, static_cast<int>(shown.size()) - 1))];
  };
  // A column that is not shown counts as the place before the first shown one.
  const bool on_shown = Shown(metrics, at.Column);
  const int ordinal = on_shown ? Ordinal(shown, at.Column) : -1;
  switch (key) {
    case TGridKey::Up: row_to(at.Row - 1); break;
    case TGridKey::Down: row_to(at.Row + 1); break;
    case TGridKey::PageUp: row_to(at.Row - page); break;
    case TGridKey::PageDown: row_to(at.Row + page); break;
    case TGridKey::First: row_to(0); break;
    case TGridKey::Last: row_to(metrics.RowCount - 1); break;
    case TGridKey::Left: column_to(ordinal - 1); break;
    case TGridKey::Right: column_to(ordinal + 1); break;
    case TGridKey::Home: column_to(0); break;
    case TGridKey::End: column_to(static_cast<int>(shown.size()) - 1); break;
  }
  return at;
}

TGridScrollBar GridVertScrollBar(const TGridMetrics& metrics) {
  const int most = GridMaxTopRow(metrics);
  if (most == 0) return {};
  return {metrics.RowCount - 1, std::max(1, GridPageRows(metrics)), std::clamp(metrics.TopRow, 0, most)};
}

TGridScrollBar GridHorzScrollBar(const TGridMetrics& metrics) {
  const std::vector<int> shown = ShownColumns(metrics);
  if (shown.empty() || GridMaxLeftCol(metrics) == shown.front()) return {};
  const int content = Span(metrics, 0, ColumnCount(metrics));
  const int page = std::max(1, metrics.Client.cx);
  const int position = Span(metrics, 0, std::clamp(metrics.LeftCol, 0, GridMaxLeftCol(metrics)));
  return {content - 1, page, std::min(position, content - page)};
}

int GridLeftColAtOffset(const TGridMetrics& metrics, int offset) {
  const std::vector<int> shown = ShownColumns(metrics);
  if (shown.empty()) return 0;
  // The bar's last position stands for the last LeftCol whatever column lies under it.
  const TGridScrollBar bar = GridHorzScrollBar(metrics);
  if (offset >= bar.Max - bar.Page + 1) return GridMaxLeftCol(metrics);
  int column = shown.back();
  for (int index : shown) {
    if (offset < Span(metrics, 0, index) + Width(metrics, index) + kLine) {
      column = index;
      break;
    }
  }
  return std::min(column, GridMaxLeftCol(metrics));
}

int GridVertScrollTopRow(const TGridMetrics& metrics, int request, int track) {
  return ScrollRequestPosition(request, metrics.TopRow, track, 1, std::max(1, GridPageRows(metrics)),
                               GridMaxTopRow(metrics));
}

int GridHorzScrollLeftCol(const TGridMetrics& metrics, int request, int track) {
  const std::vector<int> shown = ShownColumns(metrics);
  if (shown.empty()) return 0;
  int page = 0;
  for (int index : shown) {
    if (index >= metrics.LeftCol && FitsFrom(metrics, metrics.LeftCol, index)) ++page;
  }
  const int ordinal = ScrollRequestPosition(request, Ordinal(shown, metrics.LeftCol), Ordinal(shown, GridLeftColAtOffset(metrics, track)),
                                            1, std::max(1, page), Ordinal(shown, GridMaxLeftCol(metrics)));
  return shown[static_cast<size_t>(ordinal)];
}

TRect GridColumnRect(const TGridMetrics& metrics, int column) {
  if (column < metrics.LeftCol || !Shown(metrics, column)) return TRect{};
  const int left = ColumnLeft(metrics, column);
  return Clipped(TRect{left, 0, left + Width(metrics, column), metrics.Client.cy}, metrics.Client);
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
  for (int index = std::max(metrics.LeftCol, 0), left = 0; index < ColumnCount(metrics); ++index) {
    if (!Shown(metrics, index)) continue;
    const int right = left + Width(metrics, index);
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
