// Grid layout against a model that lays the grid out pixel by pixel: every pixel of many
// random grids hits the cell the model puts there, every cell rectangle covers exactly the
// pixels the model gives that cell, and the scroll limits and the scrolling that keeps a cell in
// view are the ones a search over every TopRow and LeftCol finds.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>
#include <vector>

#include "ui/grid_layout.h"

namespace ruzi {
namespace {

// One axis laid out pixel by pixel: each band of `sizes[i]` pixels is band i, a line (-1) after
// each band; a negative size is no band at all.
std::vector<int> LayAxis(const std::vector<int>& sizes, int first, int length) {
  std::vector<int> owner;
  for (size_t band = static_cast<size_t>(first); band < sizes.size(); ++band) {
    if (sizes[band] < 0) continue;
    owner.insert(owner.end(), static_cast<size_t>(sizes[band]), static_cast<int>(band));
    owner.push_back(-1);
  }
  owner.resize(static_cast<size_t>(length), -1);
  return owner;
}

// The model: title band, data rows after the title line, the footer band at the bottom with a
// line above it; a data row only when it is wholly above the footer line.
class Model {
 public:
  explicit Model(const TGridMetrics& m) : m_(m), columns_(LayAxis(m.ColumnWidths, m.LeftCol, m.Client.cx)) {
    rows_.assign(static_cast<size_t>(m.TitleHeight + 1), -1);
    const std::vector<int> data = LayAxis(std::vector<int>(static_cast<size_t>(m.RowCount), m.RowHeight), m.TopRow,
                                          m.Client.cy);
    rows_.insert(rows_.end(), data.begin(), data.end());
  }

  TGridHit Hit(int x, int y) const {
    const int column = columns_[static_cast<size_t>(x)];
    if (column < 0) return {};
    if (y < m_.TitleHeight) return {TGridArea::Title, column, -1};
    const int footer_top = m_.Client.cy - m_.FooterHeight;
    if (m_.FooterHeight > 0 && y >= footer_top) return {TGridArea::Footer, column, -1};
    const int row = rows_[static_cast<size_t>(y)];
    if (row < 0 || y >= DataEnd() || !RowWhole(row)) return {};
    return {TGridArea::Data, column, row};
  }

  // Rows cut by the end of the data area are not shown.
  bool RowWhole(int row) const {
    const bool laid = std::find(rows_.begin(), rows_.end(), row) != rows_.end();
    return laid && m_.TitleHeight + 1 + (row - m_.TopRow) * (m_.RowHeight + 1) + m_.RowHeight <= DataEnd();
  }
  // Every pixel of the column lies in the client area.
  bool ColumnFits(int column) const {
    return std::count(columns_.begin(), columns_.end(), column) == m_.ColumnWidths[static_cast<size_t>(column)];
  }
  // It fits, or (too wide to fit) it starts at the left edge.
  bool ColumnShown(int column) const { return ColumnFits(column) || (!columns_.empty() && columns_[0] == column); }

 private:
  int DataEnd() const { return m_.FooterHeight > 0 ? m_.Client.cy - m_.FooterHeight - 1 : m_.Client.cy; }

  TGridMetrics m_;
  std::vector<int> columns_, rows_;
};

TGridMetrics RandomGrid(std::mt19937& random) {
  auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
  TGridMetrics m;
  m.ColumnWidths.resize(static_cast<size_t>(pick(0, 6)));
  for (int& width : m.ColumnWidths) width = pick(0, 4) == 0 ? -1 : pick(1, 60);
  m.LeftCol = m.ColumnWidths.empty() ? 0 : pick(0, static_cast<int>(m.ColumnWidths.size()) - 1);
  m.TitleHeight = pick(1, 12);
  m.RowHeight = pick(1, 12);
  m.FooterHeight = pick(0, 1) * pick(1, 12);
  m.RowCount = pick(0, 12);
  m.TopRow = m.RowCount == 0 ? 0 : pick(0, m.RowCount - 1);
  m.Client = TSize{pick(1, 120), pick(1, 120)};
  return m;
}

bool Inside(const TRect& rect, int x, int y) { return x >= rect.Left && x < rect.Right && y >= rect.Top && y < rect.Bottom; }

TEST(GridLayout, EveryPixelHitsTheCellTheModelPutsThere) {
  std::mt19937 random(20261207);
  for (int grid = 0; grid < 300; ++grid) {
    const TGridMetrics m = RandomGrid(random);
    const Model model(m);
    for (int y = 0; y < m.Client.cy; ++y) {
      for (int x = 0; x < m.Client.cx; ++x) {
        const TGridHit want = model.Hit(x, y);
        ASSERT_EQ(GridHitTest(m, x, y), want) << "grid " << grid << " at " << x << "," << y;
        // The cell's rectangle holds the pixel exactly when the pixel hits that cell.
        if (want.Area != TGridArea::None) {
          ASSERT_TRUE(Inside(GridCellRect(m, want.Area, want.Column, want.Row), x, y)) << grid;
          ASSERT_TRUE(Inside(GridColumnRect(m, want.Column), x, y)) << grid;
        }
      }
    }
    for (int column = 0; column < static_cast<int>(m.ColumnWidths.size()); ++column) {
      for (int row = m.TopRow; row < m.RowCount; ++row) {
        const TRect cell = GridCellRect(m, TGridArea::Data, column, row);
        for (int y = cell.Top; y < cell.Bottom; ++y) {
          for (int x = cell.Left; x < cell.Right; ++x) {
            ASSERT_EQ(GridHitTest(m, x, y), (TGridHit{TGridArea::Data, column, row})) << grid;
          }
        }
      }
    }
  }
}

TGridMetrics At(TGridMetrics m, int top_row, int left_col) {
  m.TopRow = top_row;
  m.LeftCol = left_col;
  return m;
}

// The TopRow the layout picks against every TopRow in [0, most]: it shows the row whole and none
// nearer the current one does (when no TopRow shows it whole: the row itself, within limits).
void ExpectNearestTopRow(const TGridMetrics& m, int row, int most, int grid) {
  const int got = GridTopRowShowing(m, row);
  ASSERT_TRUE(got >= 0 && got <= most) << grid;
  if (row < 0) {
    ASSERT_EQ(got, std::clamp(m.TopRow, 0, most)) << grid;
    return;
  }
  int best = -1;
  for (int top = 0; top <= most; ++top) {
    if (Model(At(m, top, m.LeftCol)).RowWhole(row) && (best < 0 || std::abs(top - m.TopRow) < std::abs(best - m.TopRow))) best = top;
  }
  ASSERT_EQ(got, best < 0 ? std::clamp(row, 0, most) : best) << "grid " << grid << " row " << row;
}

void ExpectNearestLeftCol(const TGridMetrics& m, int column, int most, int grid) {
  const int got = GridLeftColShowing(m, column);
  ASSERT_TRUE(got >= 0 && got <= most) << grid;
  if (column < 0 || m.ColumnWidths[static_cast<size_t>(column)] < 0) {
    ASSERT_EQ(got, std::clamp(m.LeftCol, 0, most)) << grid;
    return;
  }
  ASSERT_TRUE(Model(At(m, m.TopRow, got)).ColumnShown(column)) << "grid " << grid << " column " << column;
  for (int left = 0; left <= most; ++left) {
    if (std::abs(left - m.LeftCol) >= std::abs(got - m.LeftCol)) continue;
    ASSERT_FALSE(Model(At(m, m.TopRow, left)).ColumnShown(column)) << "nearer " << left << " grid " << grid;
  }
}

TEST(GridLayout, ScrollLimitsBarsAndKeepingACellInViewAgreeWithASearch) {
  std::mt19937 random(7122026);
  for (int grid = 0; grid < 250; ++grid) {
    const TGridMetrics m = RandomGrid(random);
    std::vector<int> shown;
    int content = 0;
    for (int column = 0; column < static_cast<int>(m.ColumnWidths.size()); ++column) {
      if (m.ColumnWidths[static_cast<size_t>(column)] < 0) continue;
      shown.push_back(column);
      content += m.ColumnWidths[static_cast<size_t>(column)] + 1;
    }
    // The first TopRow showing the last row whole; the first LeftCol from which all the rest fit.
    int max_top = std::max(0, m.RowCount - 1);
    for (int top = 0; top < m.RowCount; ++top) {
      if (Model(At(m, top, 0)).RowWhole(m.RowCount - 1)) {
        max_top = top;
        break;
      }
    }
    ASSERT_EQ(GridMaxTopRow(m), max_top) << grid;
    int max_left = shown.empty() ? 0 : shown.back();
    for (int left : shown) {
      const Model model(At(m, 0, left));
      if (std::all_of(shown.begin(), shown.end(), [&](int c) { return c < left || model.ColumnFits(c); })) {
        max_left = left;
        break;
      }
    }
    ASSERT_EQ(GridMaxLeftCol(m), max_left) << grid;
    for (int row = -1; row < m.RowCount; ++row) ExpectNearestTopRow(m, row, max_top, grid);
    for (int column = -1; column < static_cast<int>(m.ColumnWidths.size()); ++column) {
      ExpectNearestLeftCol(m, column, max_left, grid);
    }

    const TGridScrollBar vert = GridVertScrollBar(m);
    if (max_top == 0) {
      ASSERT_EQ(vert, TGridScrollBar{}) << grid;
    } else {
      ASSERT_EQ(vert.Max, m.RowCount - 1) << grid;
      ASSERT_EQ(vert.Max - vert.Page + 1, max_top) << "the bar's end is the last TopRow, grid " << grid;
      ASSERT_EQ(vert.Position, std::min(m.TopRow, max_top)) << grid;
    }
    const bool all_fit = shown.empty() || max_left == shown.front();
    ASSERT_EQ(GridHorzScrollBar(m) == TGridScrollBar{}, all_fit) << grid;
    if (all_fit) continue;
    int previous = -1;
    for (int left : shown) {
      if (left > max_left) break;
      const TGridScrollBar horz = GridHorzScrollBar(At(m, m.TopRow, left));
      ASSERT_EQ(horz.Max, content - 1) << grid;
      ASSERT_EQ(horz.Page, m.Client.cx) << grid;
      ASSERT_GT(horz.Position, previous) << "positions grow with LeftCol, grid " << grid;
      ASSERT_LE(horz.Position, horz.Max - horz.Page + 1) << grid;
      ASSERT_EQ(GridLeftColAtOffset(m, horz.Position), left) << "the thumb there scrolls back, grid " << grid;
      previous = horz.Position;
    }
  }
}

// Columns 40, hidden, 60 and 20 wide; ten rows, five to a page.
TGridMetrics KeyGrid() {
  TGridMetrics m;
  m.ColumnWidths = {40, -1, 60, 20};
  m.RowCount = 10;
  m.Client = TSize{200, 120};
  return m;
}

// What the grid's own key test (db_grid_eh_test.cpp) cannot reach: hidden columns, no rows.
TEST(GridLayout, KeysSkipHiddenColumnsAndFindNoRowWithoutRows) {
  using K = TGridKey;
  struct Case {
    int rows;
    TGridCell at;
    K key;
    TGridCell want;
  } const cases[] = {
      {10, {4, 0}, K::Right, {4, 2}}, {10, {4, 2}, K::Left, {4, 0}},  {10, {4, 1}, K::Right, {4, 0}},
      {10, {-1, 2}, K::Up, {0, 2}},   {0, {5, 0}, K::Down, {-1, 0}}, {0, {-1, 0}, K::Last, {-1, 0}},
  };
  TGridMetrics m = KeyGrid();
  for (const Case& c : cases) {
    m.RowCount = c.rows;
    EXPECT_EQ(GridKeyTarget(m, c.at, c.key), c.want) << "case " << &c - cases;
  }
  m.ColumnWidths = {-1};
  EXPECT_EQ(GridKeyTarget(m, {0, 0}, TGridKey::End), (TGridCell{0, -1})) << "no shown column";
}

TEST(GridLayout, ScrollBarRequestsMoveByRowsAndByShownColumns) {
  enum { kLineUp, kLineDown, kPageUp, kPageDown, kThumbPosition, kThumbTrack, kTop, kBottom };
  TGridMetrics m = KeyGrid();
  m.Client.cx = 100;  // columns end at 40, 101 and 122: from column 2 on the rest fits
  ASSERT_EQ(GridMaxLeftCol(m), 2);
  EXPECT_EQ(GridHorzScrollBar(m), (TGridScrollBar{122, 100, 0}));
  EXPECT_EQ(GridHorzScrollBar(At(m, 0, 2)), (TGridScrollBar{122, 100, 23})) << "the end of the bar";
  struct Case {
    int top, left, request, track, want;
  } const horz[] = {
      {0, 0, kLineDown, 0, 2},   {0, 2, kLineUp, 0, 0},  {0, 0, kBottom, 0, 2},  {0, 2, kTop, 0, 0},
      {0, 0, kPageDown, 0, 2},   {0, 2, kThumbTrack, 10, 0}, {0, 0, kThumbTrack, 23, 2},
      {0, 0, kThumbPosition, 41, 2}, {0, 1, kLineUp, 0, 0},
  };
  for (const Case& c : horz) EXPECT_EQ(GridHorzScrollLeftCol(At(m, c.top, c.left), c.request, c.track), c.want) << &c - horz;
  const Case vert[] = {
      {0, 0, kLineDown, 0, 1}, {0, 0, kPageDown, 0, 5}, {3, 0, kPageDown, 0, 5}, {3, 0, kPageUp, 0, 0},
      {0, 0, kBottom, 0, 5},   {0, 0, kThumbTrack, 4, 4}, {0, 0, kThumbTrack, 9, 5},
  };
  for (const Case& c : vert) EXPECT_EQ(GridVertScrollTopRow(At(m, c.top, c.left), c.request, c.track), c.want) << &c - vert;
}

}  // namespace
}  // namespace ruzi
