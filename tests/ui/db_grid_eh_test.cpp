// The data grid without windows: cells show their column's field of the row source, clicks on
// titles and cells reach the right column (hidden ones aside) and move the current row, keys move
// the current cell and scroll it into view, the rows stay inside the rows when they change, and
// the columns publish as text and by name.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "error_text.h"
#include "foundation/property_access.h"
#include "ui/db_grid_eh.h"
#include "ui_grid_script.h"
#include "vector_file.h"

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
};

class TreeRows : public TGridTextRows {
 public:
  std::string ClassName() const override { return "TQXTreeQry"; }
};

// Clicks and keys on a grid 200 or 100 wide (tests/data/ui_db_grid_messages.txt): the clicks
// reach the column under the mouse and the current cell moves, the grid scrolling just enough to
// show it.
TEST(DBGridEh, ClicksAndKeysReachTheCellUnderTheMouseAndScrollItIntoView) {
  testing::CheckAnswers("ui_db_grid_messages.txt", {{"dbgrid", [](const std::vector<std::string>& args) {
                          GridFixture f;
                          f.grid.SetBounds(0, 0, std::stoi(args.at(0)), 120);
                          f.grid.SetFooterRowCount(std::stoi(args.at(1)));
                          if (args.at(2) != "-1") f.grid.Columns()[std::stoi(args.at(2))].SetVisible(false);
                          testing::RunScript(f.grid, args.at(3));
                          std::string answer;
                          for (int value : {f.grid.Row(), f.grid.SelectedIndex(), f.grid.TopRow(), f.grid.LeftCol()}) {
                            answer += std::to_string(value) + " ";
                          }
                          for (const std::string& click : f.clicks) answer += click + " ";
                          return answer.substr(0, answer.size() - 1);
                        }}});
}

TEST(DBGridEh, CurrentAndTopRowStayInsideTheRowsWhenTheyChange) {
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
  // 10 rows of which 5 fit in a grid 100 wide (columns end at 40, 101 and 122).
  f.rows = Rows(10);
  f.grid.DataSource().SetDataSet(&f.rows);
  f.grid.SetBounds(0, 0, 100, 120);
  f.grid.SetTopRow(99);
  EXPECT_EQ(f.grid.TopRow(), 5) << "no farther than the last page";
  f.rows = Rows(7);
  f.grid.DataSource().DataChanged();
  EXPECT_EQ(f.grid.TopRow(), 2) << "fewer rows pull the top row back";
  f.grid.SetBounds(0, 0, 300, 200);
  EXPECT_EQ((std::vector<int>{f.grid.TopRow(), f.grid.LeftCol()}), (std::vector<int>{0, 0})) << "and a larger grid";
}

// Cells show their column's field, found in any case; tree rows mark a tree grid; the columns
// publish as text, keeping the columns already there line by line, and by name.
TEST(DBGridEh, CellsShowTheirColumnsFieldAndColumnsPublishAsText) {
  GridFixture f;
  EXPECT_EQ(f.grid.CellText(3, 0), "300");
  EXPECT_EQ(f.grid.CellText(3, 1), "名称3");
  EXPECT_EQ(f.grid.CellText(3, 2), "") << "no such field";
  EXPECT_EQ(f.grid.CellText(10, 0), "") << "past the rows";
  EXPECT_FALSE(f.grid.IsTreeGrid());
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
  TreeRows tree;
  f.grid.DataSource().SetDataSet(&tree);
  EXPECT_TRUE(f.grid.IsTreeGrid());
}

}  // namespace
}  // namespace ruzi
