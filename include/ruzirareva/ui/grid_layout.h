#pragma once
// Where a grid's cells lie: columns left to right from x 0, each followed by a one-pixel line;
// the title row at the top and the footer row (when there is one) at the bottom, each followed
// (the footer: preceded) by a line; data rows between them from TopRow down. Portable
// arithmetic on plain values: any thread.
#include <vector>

#include "ruzirareva/export.h"
#include "ruzirareva/ui/geometry.h"

namespace ruzi {

struct TGridMetrics {
  std::vector<int> ColumnWidths;
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
// is scrolled out of view.
RUZI_API TRect GridColumnRect(const TGridMetrics& metrics, int column);
// A cell's rectangle (Row counts for data cells only), clipped to the client area.
RUZI_API TRect GridCellRect(const TGridMetrics& metrics, TGridArea area, int column, int row = 0);
// Data rows that fit whole between title and footer, from TopRow (never more than are left).
RUZI_API int GridVisibleRows(const TGridMetrics& metrics);
// The y where data rows start and where they must end (the footer's line, or the bottom).
RUZI_API int GridDataTop(const TGridMetrics& metrics);
RUZI_API int GridDataBottom(const TGridMetrics& metrics);

}  // namespace ruzi
