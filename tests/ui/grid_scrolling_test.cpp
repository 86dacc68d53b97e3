// Scrolling without windows: wheel turns adding up to notches (a spin edit stepping by them),
// drags held past an edge scrolling a step a tick with the selection following, the string
// grid's selection options against keys, clicks, the wheel and the bars' thumbs, its sizing
// lines, rows and columns dragged by their headings, and bound values and checks that move with
// their lines when the list is sorted.
#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#endif

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "ui/db_grid_eh.h"
#include "ui/grid_axis.h"
#include "ui/grid_scroller.h"
#include "ui/item_checks.h"
#include "ui/mouse_wheel.h"
#include "ui/qx_combo_boxes.h"
#include "ui/spin_edit.h"
#include "ui/string_grid.h"
#include "ui/strings.h"
#include "ui/window_message_ids.h"

namespace ruzi {
namespace {

uintptr_t WheelParam(int delta) { return static_cast<uintptr_t>(static_cast<uint16_t>(delta)) << 16; }

// 320 x 120 pixels of 64 x 24 cells: three scrolling columns and rows fit whole.
struct Grid {
  TStringGrid grid;
  explicit Grid(TGridOptions options) {
    grid.SetColCount(10);
    grid.SetRowCount(20);
    grid.SetOptions(options);
  }
  void Mouse(uint32_t msg, int x, int y) { grid.Perform(msg, 0, wm::PackPoint(x, y)); }
  void Tick() { grid.Perform(wm::Timer, TGridScroller::kDragTimer); }
};

TEST(GridScrolling, ADragHeldPastAnEdgeScrollsAStepATick) {
  for (const bool range : {true, false}) {
    Grid shown(range ? TGridOptions{TGridOption::goRangeSelect} : TGridOptions{});
    TStringGrid& grid = shown.grid;
    shown.Mouse(wm::LButtonDown, 70, 30);  // cell 1, 1
    shown.Mouse(wm::MouseMove, 70, 500);   // below: the last row shown whole
    EXPECT_EQ(grid.Row(), 3);
    EXPECT_EQ(grid.TopRow(), 1) << "a move alone does not scroll";
    for (int tick = 1; tick <= 30; ++tick) {
      shown.Tick();
      const int top = std::min(1 + tick, 17);
      ASSERT_EQ(grid.TopRow(), top) << tick;
      ASSERT_EQ(grid.Row(), top + 2) << tick;
    }
    shown.Mouse(wm::MouseMove, 400, 60);  // right of the grid, back inside its rows
    shown.Tick();
    EXPECT_EQ(grid.LeftCol(), 2);
    EXPECT_EQ(grid.Col(), 4);
    EXPECT_EQ(grid.Row(), 18);
    const TGridRect block = range ? TGridRect{1, 1, 4, 18} : TGridRect{4, 18, 4, 18};
    EXPECT_EQ(grid.Selection(), block);
    shown.Mouse(wm::LButtonUp, 400, 60);
    shown.Tick();
    EXPECT_EQ(grid.LeftCol(), 2) << "the drag is over";
    shown.Mouse(wm::MouseMove, 70, 30);
    EXPECT_EQ(grid.Row(), 18);
  }
}

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

// A message for the grid. Shift pressed or released is also put in the thread's key state where
// Windows keeps one.
struct Message {
  uint32_t msg;
  uintptr_t wparam;
  intptr_t lparam = 0;
  void To(TStringGrid& grid) const {
#ifdef _WIN32
    if ((msg == wm::KeyDown || msg == wm::KeyUp) && wparam == wm::VkShift) {
      BYTE keys[256];
      GetKeyboardState(keys);
      keys[VK_SHIFT] = msg == wm::KeyDown ? 0x80 : 0;
      SetKeyboardState(keys);
    }
#endif
    grid.Perform(msg, wparam, lparam);
  }
};
Message Key(uintptr_t key) { return {wm::KeyDown, key}; }
const Message kShiftDown{wm::KeyDown, wm::VkShift}, kShiftUp{wm::KeyUp, wm::VkShift};
Message Click(int x, int y, uintptr_t keys = 0) { return {wm::LButtonDown, keys, wm::PackPoint(x, y)}; }
Message Mouse(uint32_t msg, int x, int y) { return {msg, 0, wm::PackPoint(x, y)}; }
const Message kTick{wm::Timer, TGridScroller::kDragTimer};
template <char Kind>
void RecordMove(void* text, TPersistent*, int from, int to) {
  *static_cast<std::string*>(text) += Kind + std::to_string(from) + ">" + std::to_string(to);
}
Message Bar(uint32_t bar, int request, int position) {
  return {bar, static_cast<uintptr_t>(request) | static_cast<uintptr_t>(position) << 16};
}

TEST(StringGridOptions, KeysClicksDragsWheelAndBarsFollowTheOptions) {
  using O = TGridOption;
  const uintptr_t tab = wm::VkTab;
  const uint32_t move = wm::MouseMove, up = wm::LButtonUp;
  const struct {
    TGridOptions options;
    std::vector<Message> messages;
    int col, row, left_col, top_row;
    TGridRect selection;
    const char* moved = "";  // rows (r) and columns (c) moved, from > to
  } cases[] = {
      {{O::goTabs}, {Key(tab), Key(tab)}, 3, 1, 1, 1, {3, 1, 3, 1}},
      {{O::goTabs}, std::vector<Message>(9, Key(tab)), 1, 2, 1, 1, {1, 2, 1, 2}},  // on to the next row
      {{}, {Key(tab)}, 1, 1, 1, 1, {1, 1, 1, 1}},                                  // Tab is not the grid's
      {{O::goRowSelect}, {Key(wm::VkRight), Key(wm::VkRight), Key(wm::VkDown)}, 1, 2, 3, 1, {1, 2, 9, 2}},
      {{O::goRowSelect}, {Key(wm::VkEnd)}, 1, 19, 1, 17, {1, 19, 9, 19}},
      {{O::goRowSelect, O::goTabs}, {Key(tab)}, 1, 2, 1, 1, {1, 2, 9, 2}},
      // Shift grows the block from where it started; a move without it starts a new one.
      {{O::goRangeSelect}, {kShiftDown, Key(wm::VkRight), Key(wm::VkDown), Key(wm::VkDown), kShiftUp}, 2, 3, 1, 1,
       {1, 1, 2, 3}},
      {{O::goRangeSelect}, {kShiftDown, Key(wm::VkDown), kShiftUp, Key(wm::VkRight)}, 2, 2, 1, 1, {2, 2, 2, 2}},
      {{}, {kShiftDown, Key(wm::VkRight), Key(wm::VkDown), kShiftUp}, 2, 2, 1, 1, {2, 2, 2, 2}},
      {{O::goRangeSelect}, {Click(200, 80), Click(70, 30, wm::MkShift)}, 1, 1, 1, 1, {1, 1, 3, 3}},
      // The wheel: rows; with Shift, or tilted, columns. The selection stays.
      {{}, {{wm::MouseWheel, WheelParam(-120)}}, 1, 1, 1, 4, {1, 1, 1, 1}},
      {{}, {{wm::MouseWheel, WheelParam(-240) | wm::MkShift}}, 1, 1, 3, 1, {1, 1, 1, 1}},
      {{}, {{wm::MouseHWheel, WheelParam(360)}, {wm::MouseHWheel, WheelParam(-120)}}, 1, 1, 3, 1, {1, 1, 1, 1}},
      // A thumb being dragged scrolls only with goThumbTracking; its release always.
      {{}, {Bar(wm::VScroll, wm::SbThumbTrack, 5), Bar(wm::HScroll, wm::SbThumbTrack, 2)}, 1, 1, 1, 1, {1, 1, 1, 1}},
      {{}, {Bar(wm::VScroll, wm::SbThumbPosition, 5), Bar(wm::HScroll, wm::SbThumbPosition, 2)}, 1, 1, 3, 6,
       {1, 1, 1, 1}},
      {{O::goThumbTracking}, {Bar(wm::VScroll, wm::SbThumbTrack, 5), Bar(wm::HScroll, wm::SbThumbTrack, 2)}, 1, 1, 3, 6,
       {1, 1, 1, 1}},
      // A heading dragged onto another row or column moves it there, the selection on its cell.
      {{O::goColMoving}, {Click(70, 10), Mouse(move, 200, 10), Mouse(up, 200, 10)}, 3, 1, 1, 1, {3, 1, 3, 1}, "c1>3"},
      {{O::goRowMoving}, {Click(10, 80), Mouse(move, 10, 30), Mouse(up, 10, 30)}, 1, 2, 1, 1, {1, 2, 1, 2}, "r3>1"},
      {{O::goColMoving}, {Click(70, 10), Mouse(move, 400, 10), kTick, kTick, kTick, Mouse(up, 400, 10)}, 6, 1, 4, 1,
       {6, 1, 6, 1}, "c1>6"},  // held past the edge: three columns scrolled in
      {{O::goRowMoving}, {Click(70, 10), Mouse(move, 200, 10), Mouse(up, 200, 10)}, 1, 1, 1, 1, {1, 1, 1, 1}},
      {{O::goColMoving}, {Click(70, 10), Mouse(move, 200, 10), Mouse(wm::CaptureChanged, 0, 0)}, 1, 1, 1, 1,
       {1, 1, 1, 1}},  // the capture lost
      {{O::goColMoving}, {Click(70, 10), Mouse(move, 100, 10), Mouse(up, 100, 10)}, 1, 1, 1, 1, {1, 1, 1, 1}},
      {{O::goColMoving, O::goColSizing}, {Click(194, 10), Mouse(move, 224, 10), Mouse(up, 224, 10)}, 1, 1, 1, 1,
       {1, 1, 1, 1}},  // a line sizes first
      {{O::goColMoving, O::goRowMoving}, {Click(70, 40), Mouse(move, 200, 40), Mouse(up, 200, 40)}, 3, 1, 1, 1,
       {3, 1, 3, 1}},  // a cell selects
  };
  for (const auto& c : cases) {
    Grid shown(c.options);
    std::string moved;
    shown.grid.OnRowMoved = TMovedEvent{&RecordMove<'r'>, &moved};
    shown.grid.OnColumnMoved = TMovedEvent{&RecordMove<'c'>, &moved};
    for (const Message& message : c.messages) message.To(shown.grid);
    const std::string where = std::to_string(c.options.Bits) + " case " + std::to_string(&c - cases);
    EXPECT_EQ(shown.grid.Col(), c.col) << where;
    EXPECT_EQ(shown.grid.Row(), c.row) << where;
    EXPECT_EQ(shown.grid.LeftCol(), c.left_col) << where;
    EXPECT_EQ(shown.grid.TopRow(), c.top_row) << where;
    EXPECT_EQ(shown.grid.Selection(), c.selection) << where;
    EXPECT_EQ(moved, c.moved) << where;
  }
}

TEST(StringGridOptions, TheLinesOfFixedCellsSizeColumnsAndRows) {
  using O = TGridOption;
  const struct {
    TGridOptions options;
    int x, y;       // pressed here, then dragged 30 pixels right and down
    TGridSizingLine line;
    int col_width;  // of column 2
    int row_height; // of row 2
  } cases[] = {
      {{O::goColSizing}, 194, 10, {false, 2}, 94, 24},  // column 2's line (130 + 64), in the fixed row
      {{O::goColSizing}, 192, 10, {false, 2}, 92, 24},  // two pixels off still grabs it
      {{O::goColSizing}, 191, 10, {}, 64, 24},          // three do not
      {{O::goColSizing}, 194, 40, {}, 64, 24},          // not in the fixed row: a selection
      {{O::goRowSizing}, 20, 74, {true, 2}, 64, 54},    // row 2's line (50 + 24), in the fixed column
      {{O::goRowSizing, O::goColSizing}, 60, 75, {true, 2}, 64, 55},  // a pixel below it
      {{O::goColSizing, O::goRowSizing}, 64, 10, {false, 0}, 64, 24},  // the fixed column's own line
      {{}, 194, 10, {}, 64, 24},
  };
  for (const auto& c : cases) {
    Grid shown(c.options);
    EXPECT_EQ(shown.grid.SizingLineAt(c.x, c.y), c.line) << c.x << "," << c.y;
    shown.Mouse(wm::LButtonDown, c.x, c.y);
    shown.Mouse(wm::MouseMove, c.x + 30, c.y + 30);
    shown.Mouse(wm::LButtonUp, c.x + 30, c.y + 30);
    EXPECT_EQ(shown.grid.ColWidths(2), c.col_width) << c.x << "," << c.y;
    EXPECT_EQ(shown.grid.RowHeights(2), c.row_height) << c.x << "," << c.y;
  }
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
