// The data grid without windows: cells show their column's field of the row source, clicks on
// titles and cells reach the right column (hidden ones aside) and move the current row, the row stays inside the
// rows when they change, the columns publish as text and by name, keys move the current cell
// and scroll it into view.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "error_text.h"
#include "foundation/property_access.h"
#include "ui/db_grid_eh.h"
#include "ui/window_message_ids.h"

namespace ruzi {
namespace {

TGridTextRows Rows(int count) {
  TGridTextRows rows({"Code", "Name", "Qty"});
  for (int row = 0; row < count; ++row) {
    rows.AddRow({"60000" + std::to_string(row), "名称" + std::to_string(row), std::to_string(row * 100)});
  }
  return rows;
}

// A grid 200 x 120: columns 40, 60, 20 wide, title and rows 18 high.
struct GridFixture {
  TDBGridEh grid;
  TGridTextRows rows = Rows(10);
  std::vector<std::string> clicks;

  GridFixture() {
    grid.SetBounds(0, 0, 200, 120);
    for (auto [field, width] : {std::pair{"QTY", 40}, std::pair{"Name", 60}, std::pair{"Missing", 20}}) {
      grid.Columns().Add(field).SetWidth(width);
    }
    grid.DataSource().SetDataSet(&rows);
    grid.OnCellClick = TDBGridEhClickEvent{&Record<'C'>, this};
    grid.OnTitleClick = TDBGridEhClickEvent{&Record<'T'>, this};
  }
  template <char Kind>
  static void Record(void* data, TColumnEh* column) {
    static_cast<GridFixture*>(data)->clicks.push_back(std::string(1, Kind) + column->FieldName());
  }
  void Click(int x, int y) { grid.Perform(wm::LButtonDown, 0, wm::PackPoint(x, y)); }
};

class TreeRows : public TGridTextRows {
 public:
  std::string ClassName() const override { return "TQXTreeQry"; }
};

TEST(DBGridEh, CellsShowTheirColumnsFieldFoundInAnyCaseAndTreeRowsMarkATreeGrid) {
  GridFixture f;
  EXPECT_EQ(f.grid.CellText(3, 0), "300");
  EXPECT_EQ(f.grid.CellText(3, 1), "名称3");
  EXPECT_EQ(f.grid.CellText(3, 2), "") << "no such field";
  EXPECT_EQ(f.grid.CellText(10, 0), "") << "past the rows";
  EXPECT_EQ(f.grid.Columns()[1].Title().Caption(), "Name") << "titled with its field";
  EXPECT_FALSE(f.grid.IsTreeGrid());
  TreeRows tree;
  f.grid.DataSource().SetDataSet(&tree);
  EXPECT_TRUE(f.grid.IsTreeGrid());
}

TEST(DBGridEh, ClicksReachTheColumnUnderTheMouse) {
  struct Case {
    int x, y;
    const char* click;  // "" for none
    int row;            // the current row afterwards
  } const cases[] = {
      {5, 5, "TQTY", -1},      {50, 5, "TName", -1},   {40, 5, "", -1},  // on a line
      {50, 25, "CName", 0},    {10, 60, "CQTY", 2},    {110, 60, "CMissing", 2},
      {150, 60, "", 2},        // right of the columns
      {10, 100, "CQTY", 4},    // the fifth row: its place while there is no footer
      {10, 115, "", 4},        // the sixth row does not fit whole
  };
  GridFixture f;
  for (const Case& c : cases) {
    f.clicks.clear();
    f.Click(c.x, c.y);
    EXPECT_EQ(f.clicks, c.click[0] ? std::vector<std::string>{c.click} : std::vector<std::string>{}) << c.x << "," << c.y;
    EXPECT_EQ(f.grid.Row(), c.row) << c.x << "," << c.y;
  }
  f.grid.SetFooterRowCount(1);
  f.clicks.clear();
  f.Click(10, 100);
  EXPECT_TRUE(f.clicks.empty()) << "the fifth row's place is the footer's line now";
  f.Click(10, 115);
  EXPECT_TRUE(f.clicks.empty()) << "the footer takes no cell click";
  EXPECT_EQ(f.grid.Row(), 4);
  f.grid.Columns()[0].SetVisible(false);
  f.Click(5, 25);
  EXPECT_EQ(f.clicks, std::vector<std::string>{"CName"}) << "a hidden column takes no room";
  EXPECT_EQ(f.grid.SelectedIndex(), 1);
}

TEST(DBGridEh, CurrentRowStaysInsideTheRowsWhenTheyChange) {
  GridFixture f;
  f.grid.SetRow(8);
  EXPECT_EQ(f.grid.Row(), 8);
  f.rows = Rows(3);
  f.grid.DataSource().DataChanged();
  EXPECT_EQ(f.grid.Row(), 2);
  f.grid.DataSource().SetDataSet(nullptr);
  EXPECT_EQ(f.grid.Row(), -1);
  f.grid.SetRow(0);
  EXPECT_EQ(f.grid.Row(), -1) << "no rows, no current row";
}

TEST(DBGridEh, ColumnsPublishAsTextKeepingColumnsLineByLine) {
  GridFixture f;
  EXPECT_EQ(GetPropText(f.grid, "Columns"),
            "QTY\tQTY\t40\tTrue\ttaLeftJustify\r\nName\tName\t60\tTrue\ttaLeftJustify\r\n"
            "Missing\tMissing\t20\tTrue\ttaLeftJustify");
  TColumnEh& first = f.grid.Columns()[0];
  first.Title().Font().SetSize(12);
  SetPropText(f.grid, "columns", "Code\t代码\t50\tFalse\ttaRightJustify\r\nName");
  ASSERT_EQ(f.grid.Columns().Count(), 2);
  EXPECT_EQ(&f.grid.Columns()[0], &first) << "the column already there is kept";
  EXPECT_EQ(first.Title().Font().Size(), 12) << "and so its fonts";
  EXPECT_EQ(GetPropText(f.grid, "Columns"),
            "Code\t代码\t50\tFalse\ttaRightJustify\r\nName\tName\t64\tTrue\ttaLeftJustify")
      << "missing fields are a new column's, the caption the field name";
  for (const char* bad : {"A\tA\twide", "A\tA\t5\tmaybe", "B\r\nA\tA\t5\tTrue\ttaNowhere"}) {
    EXPECT_NE(testing::ErrorOf([&] { SetPropText(f.grid, "Columns", bad); }), "") << bad;
  }
  EXPECT_EQ(f.grid.Columns().Count(), 2) << "a bad field changes nothing";
  EXPECT_EQ(f.grid.Columns()[0].Width(), 50);
  // Each column and title by name as well.
  SetPropText(f.grid.Columns()[1], "WIDTH", "70");
  SetPropText(f.grid.Columns()[1].Title(), "Caption", "名称");
  EXPECT_EQ(GetPropText(f.grid, "Columns"),
            "Code\t代码\t50\tFalse\ttaRightJustify\r\nName\t名称\t70\tTrue\ttaLeftJustify");
}

// Keys one after another on a grid 100 wide (columns end at 40, 101 and 122) with 10 rows of
// which 5 fit: the current cell moves and the grid scrolls just enough to show it.
TEST(DBGridEh, KeysMoveTheCurrentCellAndScrollItIntoView) {
  constexpr uintptr_t kPageUp = 0x21, kPageDown = 0x22, kEnd = 0x23, kHome = 0x24, kLeft = 0x25, kUp = 0x26,
                      kRight = 0x27, kDown = 0x28, kTab = 0x09;
  struct Step {
    uintptr_t key;
    int row, column, top, left;
  } const steps[] = {
      {kDown, 0, -1, 0, 0},     {kPageDown, 5, -1, 1, 0}, {kPageDown, 9, -1, 5, 0}, {kUp, 8, -1, 5, 0},
      {kPageUp, 3, -1, 3, 0},   {kRight, 3, 0, 3, 0},     {kRight, 3, 1, 3, 1},     {kRight, 3, 2, 3, 1},
      {kLeft, 3, 1, 3, 1},      {kHome, 3, 0, 3, 0},      {kEnd, 3, 2, 3, 1},       {kTab, 3, 2, 3, 1},
  };
  GridFixture f;
  f.grid.SetBounds(0, 0, 100, 120);
  for (const Step& step : steps) {
    f.grid.Perform(wm::KeyDown, step.key, 0);
    EXPECT_EQ((std::vector<int>{f.grid.Row(), f.grid.SelectedIndex(), f.grid.TopRow(), f.grid.LeftCol()}),
              (std::vector<int>{step.row, step.column, step.top, step.left}))
        << "step " << &step - steps;
  }
  f.grid.SetTopRow(99);
  EXPECT_EQ(f.grid.TopRow(), 5) << "no farther than the last page";
  f.rows = Rows(7);
  f.grid.DataSource().DataChanged();
  EXPECT_EQ(f.grid.TopRow(), 2) << "fewer rows pull the top row back";
  f.grid.SetBounds(0, 0, 300, 200);
  EXPECT_EQ((std::vector<int>{f.grid.TopRow(), f.grid.LeftCol()}), (std::vector<int>{0, 0})) << "and a larger grid";
}

}  // namespace
}  // namespace ruzi
