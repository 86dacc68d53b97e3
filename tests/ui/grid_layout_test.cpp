// Grid layout against a model that lays the grid out pixel by pixel: every pixel of many
// random grids hits the cell the model puts there, every cell rectangle covers exactly the
// pixels the model gives that cell, and the scroll limits and the scrolling that keeps a cell in
// view are the ones a search over every TopRow and LeftCol finds.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "ui/grid_layout.h"
#include "vector_file.h"

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

// What the layout picks to show a row or column, against every value in [0, most]: when one
// shows it, the pick does and none nearer `from` does; when none does, the pick is `fallback`.
void ExpectNearest(int got, int from, int most, int fallback, const std::function<bool(int)>& shows, const std::string& what) {
  ASSERT_TRUE(got >= 0 && got <= most) << what;
  bool any = false;
  for (int value = 0; value <= most; ++value) any = any || shows(value);
  if (!any) {
    ASSERT_EQ(got, fallback) << what;
    return;
  }
  ASSERT_TRUE(shows(got)) << what;
  for (int value = 0; value <= most; ++value) {
    ASSERT_FALSE(std::abs(value - from) < std::abs(got - from) && shows(value)) << "nearer " << value << ", " << what;
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
    // No row or a hidden column: where it is, within limits; a row no TopRow shows whole: the row.
    for (int row = -1; row < m.RowCount; ++row) {
      ExpectNearest(GridTopRowShowing(m, row), m.TopRow, max_top, std::clamp(row < 0 ? m.TopRow : row, 0, max_top),
                    [&](int top) { return row >= 0 && Model(At(m, top, m.LeftCol)).RowWhole(row); },
                    "grid " + std::to_string(grid) + " row " + std::to_string(row));
    }
    for (int column = -1; column < static_cast<int>(m.ColumnWidths.size()); ++column) {
      const bool hidden = column < 0 || m.ColumnWidths[static_cast<size_t>(column)] < 0;
      ExpectNearest(GridLeftColShowing(m, column), m.LeftCol, max_left, hidden ? std::clamp(m.LeftCol, 0, max_left) : -1,
                    [&](int left) { return !hidden && Model(At(m, m.TopRow, left)).ColumnShown(column); },
                    "grid " + std::to_string(grid) + " column " + std::to_string(column));
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

// Keys (what the grid's own key test, db_grid_eh_test.cpp, cannot reach: hidden columns, no
// rows) and scroll bar requests on columns 40, hidden, 60 and 20 wide (tests/data/
// grid_layout_keys_and_bars.txt).
TEST(GridLayout, KeysAndScrollBarRequestsMoveByRowsAndByShownColumns) {
  const auto grid = [](const std::vector<std::string>& args, int width) {
    TGridMetrics m;
    std::istringstream columns(args.at(0));
    for (std::string column; std::getline(columns, column, ',');) m.ColumnWidths.push_back(std::stoi(column));
    m.RowCount = std::stoi(args.at(1));
    m.Client = TSize{width, 120};
    m.TopRow = std::stoi(args.at(2));
    m.LeftCol = std::stoi(args.at(3));
    return m;
  };
  const auto named = [](const std::string& name, std::vector<std::string> names) {
    return static_cast<int>(std::find(names.begin(), names.end(), name) - names.begin());
  };
  const std::vector<std::string> requests{"LineUp", "LineDown", "PageUp", "PageDown", "ThumbPosition", "ThumbTrack", "Top", "Bottom"};
  const auto request = [&](auto scroll) {
    return [&, scroll](const std::vector<std::string>& args) {
      return std::to_string(scroll(grid(args, 100), named(args.at(4), requests), std::stoi(args.at(5))));
    };
  };
  testing::CheckAnswers(
      "grid_layout_keys_and_bars.txt",
      {{"key",
        [&](const std::vector<std::string>& args) {
          const TGridKey key = static_cast<TGridKey>(named(
              args.at(6), {"Up", "Down", "PageUp", "PageDown", "Left", "Right", "Home", "End", "First", "Last"}));
          const TGridCell cell = GridKeyTarget(grid(args, 200), {std::stoi(args.at(4)), std::stoi(args.at(5))}, key);
          return std::to_string(cell.Row) + " " + std::to_string(cell.Column);
        }},
       {"horz", request(&GridHorzScrollLeftCol)},
       {"vert", request(&GridVertScrollTopRow)},
       {"bar", [&](const std::vector<std::string>& args) {
          const TGridMetrics m = grid(args, 100);
          const TGridScrollBar bar = GridHorzScrollBar(m);
          return std::to_string(GridMaxLeftCol(m)) + " " + std::to_string(bar.Max) + " " + std::to_string(bar.Page) +
                 " " + std::to_string(bar.Position);
        }}});
}

}  // namespace
}  // namespace ruzi
