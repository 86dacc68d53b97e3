// Grid layout against a model that lays the grid out pixel by pixel: every pixel of many
// random grids hits the cell the model puts there, and every cell rectangle covers exactly the
// pixels the model gives that cell.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "ui/grid_layout.h"

namespace ruzi {
namespace {

// One axis laid out pixel by pixel: each band of `sizes[i]` pixels is band i, a line (-1) after
// each band.
std::vector<int> LayAxis(const std::vector<int>& sizes, int first, int length) {
  std::vector<int> owner;
  for (size_t band = static_cast<size_t>(first); band < sizes.size(); ++band) {
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
    const int data_end = m_.FooterHeight > 0 ? footer_top - 1 : m_.Client.cy;
    const int row = rows_[static_cast<size_t>(y)];
    if (row < 0 || y >= data_end) return {};
    // Rows cut by the end of the data area are not shown.
    const int row_bottom = m_.TitleHeight + 1 + (row - m_.TopRow) * (m_.RowHeight + 1) + m_.RowHeight;
    if (row_bottom > data_end) return {};
    return {TGridArea::Data, column, row};
  }

 private:
  const TGridMetrics& m_;
  std::vector<int> columns_, rows_;
};

TGridMetrics RandomGrid(std::mt19937& random) {
  auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
  TGridMetrics m;
  m.ColumnWidths.resize(static_cast<size_t>(pick(0, 5)));
  for (int& width : m.ColumnWidths) width = pick(1, 30);
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

TEST(GridLayout, KnownPlaces) {
  TGridMetrics m;
  m.ColumnWidths = {40, 60, 20};
  m.TitleHeight = 18;
  m.RowHeight = 18;
  m.FooterHeight = 18;
  m.RowCount = 10;
  m.Client = TSize{200, 120};
  struct Case {
    int x, y;
    TGridHit hit;
  } const cases[] = {
      {0, 0, {TGridArea::Title, 0, -1}},   {39, 17, {TGridArea::Title, 0, -1}}, {40, 5, {}},  // the line
      {41, 5, {TGridArea::Title, 1, -1}},  {41, 18, {}},                       {41, 19, {TGridArea::Data, 1, 0}},
      {41, 36, {TGridArea::Data, 1, 0}},   {41, 37, {}},                       {41, 38, {TGridArea::Data, 1, 1}},
      {121, 60, {TGridArea::Data, 2, 2}},  {122, 60, {}},                      {41, 101, {}},  // the footer line
      {41, 102, {TGridArea::Footer, 1, -1}}, {41, 119, {TGridArea::Footer, 1, -1}}, {200, 5, {}},
  };
  for (const Case& c : cases) EXPECT_EQ(GridHitTest(m, c.x, c.y), c.hit) << c.x << "," << c.y;
  EXPECT_EQ(GridVisibleRows(m), 4) << "82 pixels between title and footer lines: four rows of 19";
  EXPECT_EQ(GridColumnRect(m, 1), (TRect{41, 0, 101, 120}));
  m.LeftCol = 1;
  EXPECT_EQ(GridColumnRect(m, 0), TRect{}) << "scrolled out";
  EXPECT_EQ(GridColumnRect(m, 2), (TRect{61, 0, 81, 120}));
  m.TopRow = 8;
  EXPECT_EQ(GridVisibleRows(m), 2) << "only two rows left";
}

}  // namespace
}  // namespace ruzi
