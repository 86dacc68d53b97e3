// The string grid's model: cells kept across resizes (against a map of what was written) and
// across moves of rows and columns (against moved vectors), and the selection kept off fixed
// cells (the cells' pixels: grid_axis_test.cpp; keys and the grid as text: ui_grid_messages.txt).
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "foundation/error.h"
#include "ui/string_grid.h"

namespace ruzi {
namespace {

// Random moves of scrolling rows and columns: each cell keeps its text, each row its height and
// each column its width, and the selected cell stays on its text; then two resizes keep the
// cells that still fit and leave the others empty.
TEST(StringGrid, CellsFollowMovesAndSurviveResizesWhereTheyStillFit) {
  std::mt19937 random(80);
  const auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
  const auto move = [](std::vector<int>& items, int from, int to) {
    const int item = items[static_cast<size_t>(from)];
    items.erase(items.begin() + from);
    items.insert(items.begin() + to, item);
  };
  for (int round = 0; round < 60; ++round) {
    TStringGrid grid;
    int cols = pick(2, 8), rows = pick(2, 8);
    grid.SetColCount(cols);
    grid.SetRowCount(rows);
    grid.SetFixedCols(pick(0, cols - 1));
    grid.SetFixedRows(pick(0, rows - 1));
    std::vector<int> col_of, row_of, widths, heights;
    const auto label = [](int col, int row) { return std::to_string(col) + "," + std::to_string(row); };
    for (int col = 0; col < cols; ++col) grid.SetColWidths(col, widths.emplace_back(pick(1, 50))), col_of.push_back(col);
    for (int row = 0; row < rows; ++row) {
      grid.SetRowHeights(row, heights.emplace_back(pick(1, 50)));
      row_of.push_back(row);
      for (int col = 0; col < cols; ++col) grid.SetCells(col, row, label(col, row));
    }
    grid.Select(pick(grid.FixedCols(), cols - 1), pick(grid.FixedRows(), rows - 1));
    const std::string selected = grid.Cells(grid.Col(), grid.Row());
    for (int step = 0; step < 12; ++step) {
      const bool by_row = pick(0, 1) == 1;
      const int fixed = by_row ? grid.FixedRows() : grid.FixedCols(), last = (by_row ? rows : cols) - 1;
      const int from = pick(fixed, last), to = pick(fixed, last);
      (grid.*(by_row ? &TStringGrid::MoveRow : &TStringGrid::MoveColumn))(from, to);
      move(by_row ? row_of : col_of, from, to);
      move(by_row ? heights : widths, from, to);
      for (int row = 0; row < rows; ++row) {
        ASSERT_EQ(grid.RowHeights(row), heights[static_cast<size_t>(row)]) << round;
        for (int col = 0; col < cols; ++col) {
          ASSERT_EQ(grid.Cells(col, row), label(col_of[static_cast<size_t>(col)], row_of[static_cast<size_t>(row)]))
              << round << " step " << step;
          ASSERT_EQ(grid.ColWidths(col), widths[static_cast<size_t>(col)]) << round;
        }
      }
      ASSERT_EQ(grid.Cells(grid.Col(), grid.Row()), selected) << round << " step " << step;
    }
    EXPECT_THROW(grid.MoveColumn(grid.FixedCols(), cols), Error);
    EXPECT_THROW(grid.MoveRow(grid.FixedRows() - 1, rows - 1), Error) << "a fixed row stays";
    for (int resize = 0; resize < 2; ++resize) {
      const int kept_cols = std::min(cols, static_cast<int>(col_of.size()));
      const int kept_rows = std::min(rows, static_cast<int>(row_of.size()));
      grid.SetColCount(cols = pick(1, 9));
      grid.SetRowCount(rows = pick(1, 9));
      col_of.resize(static_cast<size_t>(std::min(cols, kept_cols)));
      row_of.resize(static_cast<size_t>(std::min(rows, kept_rows)));
      for (int row = 0; row < rows; ++row) {
        for (int col = 0; col < cols; ++col) {
          const bool kept = row < static_cast<int>(row_of.size()) && col < static_cast<int>(col_of.size());
          ASSERT_EQ(grid.Cells(col, row), kept ? label(col_of[static_cast<size_t>(col)], row_of[static_cast<size_t>(row)]) : "")
              << round << " resized " << cols << " x " << rows;
        }
      }
      ASSERT_LT(grid.FixedCols(), cols);
      ASSERT_LT(grid.FixedRows(), rows);
    }
    EXPECT_THROW(grid.Cells(cols, 0), Error);
    EXPECT_THROW(grid.SetRowCount(0), Error);
  }
}

TEST(StringGrid, SelectionStaysOffFixedCells) {
  TStringGrid grid;
  int selections = 0;
  grid.OnSelectCell = TNotifyEvent{[](void* count, TPersistent*) { ++*static_cast<int*>(count); }, &selections};
  grid.Select(0, 2);  // a fixed column
  grid.Select(3, 0);  // a fixed row
  EXPECT_EQ(selections, 0);
  grid.Select(3, 2);
  grid.Select(3, 2);
  EXPECT_EQ(selections, 1);
  EXPECT_EQ(grid.Col(), 3);
  grid.SetFixedCols(4);
  EXPECT_EQ(grid.Col(), 4);
  EXPECT_THROW(grid.SetFixedCols(5), Error);
}

}  // namespace
}  // namespace ruzi
