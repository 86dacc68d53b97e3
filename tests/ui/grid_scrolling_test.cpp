// Scrolling without windows: wheel turns adding up to notches (a spin edit stepping by them),
// the data grid's row following a drag; the string grid's keys, drags held past an edge and
// selection options against clicks, the wheel and the bars' thumbs, its sizing lines, rows and
// columns dragged by their headings and its cells as text (tests/data/ui_grid_messages.txt);
// and bound values and checks that move with their lines when the list is sorted.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "foundation/property_access.h"
#include "ui/db_grid_eh.h"
#include "ui/grid_scroller.h"
#include "ui/item_checks.h"
#include "ui/qx_combo_boxes.h"
#include "ui/spin_edit.h"
#include "ui/string_grid.h"
#include "ui/strings.h"
#include "ui/window_message_ids.h"
#include "ui_grid_script.h"
#include "vector_file.h"

namespace ruzi {
namespace {

using testing::RunScript;
using testing::WheelParam;

// 320 x 120 pixels of 64 x 24 cells: three scrolling columns and rows fit whole.
struct Grid {
  TStringGrid grid;
  explicit Grid(TGridOptions options) {
    grid.SetColCount(10);
    grid.SetRowCount(20);
    grid.SetOptions(options);
  }
  void Mouse(uint32_t msg, int x, int y) { grid.Perform(msg, 0, wm::PackPoint(x, y)); }
};

TEST(GridScrolling, TheDataGridsRowFollowsADragAndWheelPartsAddUp) {
  TDBGridEh grid;  // 320 x 120: a title and five rows of 18, each with its line
  TGridTextRows rows{{"Code"}};
  for (int row = 0; row < 40; ++row) rows.AddRow({std::to_string(row)});
  grid.Columns().Add("Code").SetWidth(100);
  grid.DataSource().SetDataSet(&rows);
  grid.Perform(wm::LButtonDown, 0, wm::PackPoint(10, 25));
  grid.Perform(wm::MouseMove, 0, wm::PackPoint(10, 300));
  EXPECT_EQ(grid.Row(), 4) << "the last row shown whole";
  for (int tick = 0; tick < 3; ++tick) grid.Perform(wm::Timer, TGridScroller::kDragTimer);
  EXPECT_EQ(grid.TopRow(), 3);
  EXPECT_EQ(grid.Row(), 7);
  grid.Perform(wm::LButtonUp, 0, wm::PackPoint(10, 300));
  // Three rows a notch (the wheel lines without a window system), parts of a notch waiting;
  // a spin edit (0..10 by 4, from 5) steps once a notch.
  TSpinEdit spin;
  spin.SetMaxValue(10);
  spin.SetIncrement(4);
  spin.SetValue(5);
  const int turns[][3] = {{-120, 6, 1}, {-40, 6, 1}, {-80, 9, 0}, {240, 3, 8}, {-60, 3, 8},
                          {30, 3, 8},   {-90, 6, 4}, {600, 0, 10}, {-2400, 35, 0}};
  for (const auto& turn : turns) {
    grid.Perform(wm::MouseWheel, WheelParam(turn[0]));
    spin.Perform(wm::MouseWheel, WheelParam(turn[0]));
    EXPECT_EQ(grid.TopRow(), turn[1]) << turn[0];
    EXPECT_EQ(spin.Value(), turn[2]) << turn[0];
  }
  EXPECT_EQ(grid.Row(), 7) << "the wheel scrolls without moving the row";
}

template <char Kind>
void RecordMove(void* text, TPersistent*, int from, int to) {
  *static_cast<std::string*>(text) += Kind + std::to_string(from) + ">" + std::to_string(to);
}

TGridOptions OptionsNamed(const std::string& names) {
  TGridOptions options;
  for (size_t i = 0; i < TEnumNames<TGridOption>::Names.size(); ++i) {
    if (("," + names + ",").find("," + std::string(TEnumNames<TGridOption>::Names[i]) + ",") != std::string::npos) {
      options = options.With(static_cast<TGridOption>(i));
    }
  }
  return options;
}

std::string Ints(std::initializer_list<int> values) {
  std::string text;
  for (int value : values) text += (text.empty() ? "" : " ") + std::to_string(value);
  return text;
}

TEST(StringGridOptions, KeysClicksDragsWheelBarsAndSizingLinesFollowTheOptions) {
  testing::CheckAnswers(
      "ui_grid_messages.txt",
      {{"grid",
        [](const std::vector<std::string>& args) {
          Grid shown(OptionsNamed(args.at(0)));
          TStringGrid& grid = shown.grid;
          std::string moved;
          grid.OnRowMoved = TMovedEvent{&RecordMove<'r'>, &moved};
          grid.OnColumnMoved = TMovedEvent{&RecordMove<'c'>, &moved};
          RunScript(grid, args.at(1));
          const TGridRect block = grid.Selection();
          const std::string state = Ints({grid.Col(), grid.Row(), grid.LeftCol(), grid.TopRow(), block.Left, block.Top,
                                          block.Right, block.Bottom});
          return moved.empty() ? state : state + " " + moved;
        }},
       {"cells",
        [](const std::vector<std::string>& args) {
          TStringGrid grid;
          grid.SetColCount(3);
          grid.SetRowCount(2);
          grid.SetCells(2, 1, "old");
          SetPropText(grid, "Cells", args.at(0));
          return GetPropText(grid, "Cells");
        }},
       {"sizing", [](const std::vector<std::string>& args) {
          Grid shown(OptionsNamed(args.at(0)));
          const int x = std::stoi(args.at(1)), y = std::stoi(args.at(2));
          const TGridSizingLine line = shown.grid.SizingLineAt(x, y);
          shown.Mouse(wm::LButtonDown, x, y);
          shown.Mouse(wm::MouseMove, x + 30, y + 30);
          shown.Mouse(wm::LButtonUp, x + 30, y + 30);
          return (line.Index < 0 ? "none" : (line.Vertical ? "r" : "c") + std::to_string(line.Index)) + " " +
                 Ints({shown.grid.ColWidths(2), shown.grid.RowHeights(2)});
        }}});
}

TEST(BoundValues, SortingMovesValuesAndChecksWithTheirLines) {
  std::mt19937 random(88);
  for (int round = 0; round < 50; ++round) {
    TBoundComboBox combo;
    TStrings lines;
    TItemChecks checks(lines);
    lines.SetObserver(&checks);
    std::vector<std::pair<std::string, std::string>> model;  // line, value
    std::vector<std::pair<std::string, bool>> checked;
    const int count = std::uniform_int_distribution<int>(0, 12)(random);
    for (int i = 0; i < count; ++i) {
      const std::string line(1, static_cast<char>('a' + random() % 5));
      const std::string value = "v" + std::to_string(i);
      combo.AddItem(line, value);
      lines.Add(line + value);
      model.emplace_back(line, value);
    }
    for (int i = 0; i < count; ++i) {
      const bool on = random() % 2 == 0;
      checks.SetChecked(i, on);
      checked.emplace_back(model[static_cast<size_t>(i)].first + model[static_cast<size_t>(i)].second, on);
    }
    combo.Items().SetSorted(true);
    lines.SetSorted(true);
    std::stable_sort(model.begin(), model.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (int i = 0; i < count; ++i) {
      combo.SetItemIndex(i);
      ASSERT_EQ(combo.Items()[i], model[static_cast<size_t>(i)].first) << round;
      ASSERT_EQ(combo.Value(), model[static_cast<size_t>(i)].second) << round << " line " << i;
      const auto was = std::find_if(checked.begin(), checked.end(), [&](const auto& c) { return c.first == lines[i]; });
      ASSERT_EQ(checks.Checked(i), was->second) << round << " line " << i;
    }
  }
  // Lines given all at once to a sorted list pair with the values in the order given.
  TBoundComboBox combo;
  combo.Items().SetSorted(true);
  combo.SetValuesText("vb\r\nva\r\nvc");
  combo.Items().SetText("b\r\na\r\nc");
  EXPECT_EQ(combo.Items().Text(), "a\r\nb\r\nc\r\n");
  EXPECT_EQ(combo.ValuesText(), "va\r\nvb\r\nvc\r\n");
}

}  // namespace
}  // namespace ruzi
