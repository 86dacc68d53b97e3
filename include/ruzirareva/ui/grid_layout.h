#pragma once
// Where a grid's cells lie: columns left to right from x 0 starting at LeftCol, each followed by
// a one-pixel line (a column of negative width is hidden: it takes no room and no line); the
// title row at the top and the footer row (when there is one) at the bottom, each followed (the
// footer: preceded) by a line; data rows between them from TopRow down. Also how far the grid
// can scroll, where the keys move its current cell and which TopRow and LeftCol keep a cell in
// view. Portable arithmetic on plain values: any thread.
#include <vector>

#include "ruzirareva/export.h"
#include "ruzirareva/ui/geometry.h"

namespace ruzi {

struct TGridMetrics {
  std::vector<int> ColumnWidths;  // < 0: hidden
  int LeftCol = 0;   // first column shown
  int TitleHeight = 18;
  int RowHeight = 18;
  int FooterHeight = 0;  // 0: no footer row
  int RowCount = 0;
  int TopRow = 0;    // first data row shown
  TSize Client;
};

enum class TGridArea { None, Title, Data, Footer };

struct TGridHit {
  TGridArea Area = TGridArea::None;
  int Column = -1;
  int Row = -1;  // data rows only
  friend bool operator==(const TGridHit&, const TGridHit&) = default;
};

// The cell under a point of the client area; lines, the space right of the last column and
// below the last row hit nothing.
RUZI_API TGridHit GridHitTest(const TGridMetrics& metrics, int x, int y);
// The column's x extent (its line excluded) over the whole client height; Left == Right when it
// is hidden or scrolled out of view.
RUZI_API TRect GridColumnRect(const TGridMetrics& metrics, int column);
// A cell's rectangle (Row counts for data cells only), clipped to the client area.
RUZI_API TRect GridCellRect(const TGridMetrics& metrics, TGridArea area, int column, int row = 0);
// Data rows that fit whole between title and footer, from TopRow (never more than are left).
RUZI_API int GridVisibleRows(const TGridMetrics& metrics);
// The y where data rows start and where they must end (the footer's line, or the bottom).
RUZI_API int GridDataTop(const TGridMetrics& metrics);
RUZI_API int GridDataBottom(const TGridMetrics& metrics);

// Data rows that fit whole between title and footer, however many rows there are.
RUZI_API int GridPageRows(const TGridMetrics& metrics);
// The last TopRow worth scrolling to: the one that shows the last row at the bottom.
RUZI_API int GridMaxTopRow(const TGridMetrics& metrics);
// The last LeftCol worth scrolling to: the first shown column from which every later one fits
// whole; the last shown column when it alone is wider than the grid; 0 without shown columns.
RUZI_API int GridMaxLeftCol(const TGridMetrics& metrics);
// The TopRow nearest the current one that shows `row` whole (the current one, kept within
// [0, GridMaxTopRow], for row -1).
RUZI_API int GridTopRowShowing(const TGridMetrics& metrics, int row);
// The LeftCol nearest the current one that shows `column` whole (from its left edge when it is
// wider than the grid); the current one, kept within [0, GridMaxLeftCol], for no column.
RUZI_API int GridLeftColShowing(const TGridMetrics& metrics, int column);

// The current cell: a data row (-1: none) and a column (-1: none).
struct TGridCell {
  int Row = -1;
  int Column = -1;
  friend bool operator==(const TGridCell&, const TGridCell&) = default;
};

// Up, Down, PageUp, PageDown move the row by one or by a page (GridPageRows, at least 1); Left,
// Right the column to the previous or next shown one; Home and End to the first or last shown
// column; First and Last (Ctrl+Home, Ctrl+End) to the first or last row.
enum class TGridKey { Up, Down, PageUp, PageDown, Left, Right, Home, End, First, Last };

// Where a key moves the current cell, kept inside the rows and on shown columns: no current row
// counts as the place before the first row; without rows the row is -1, without shown columns
// the column is.
RUZI_API TGridCell GridKeyTarget(const TGridMetrics& metrics, TGridCell at, TGridKey key);

// One scroll bar: Position in [0, Max - Page + 1]; all 0 when the grid needs no bar.
struct TGridScrollBar {
  int Max = 0;
  int Page = 0;
  int Position = 0;
  friend bool operator==(const TGridScrollBar&, const TGridScrollBar&) = default;
};

// The vertical bar counts rows (a page is GridPageRows); the horizontal bar counts pixels of the
// shown columns with their lines (a page is the client width, the position LeftCol's offset).
RUZI_API TGridScrollBar GridVertScrollBar(const TGridMetrics& metrics);
RUZI_API TGridScrollBar GridHorzScrollBar(const TGridMetrics& metrics);
// The LeftCol for a horizontal bar position: the shown column under that offset, at most
// GridMaxLeftCol.
RUZI_API int GridLeftColAtOffset(const TGridMetrics& metrics, int offset);
// Where a vertical scroll bar request takes TopRow: a line is one row, a page GridPageRows (at
// least one); `track` is the thumb's row.
RUZI_API int GridVertScrollTopRow(const TGridMetrics& metrics, int request, int track);
// Where a horizontal scroll bar request (SB_LINELEFT ... SB_RIGHT, as ScrollRequestPosition)
// takes LeftCol: a line is one shown column, a page the columns shown whole (at least one);
// `track` is the thumb's pixel offset.
RUZI_API int GridHorzScrollLeftCol(const TGridMetrics& metrics, int request, int track);

}  // namespace ruzi
