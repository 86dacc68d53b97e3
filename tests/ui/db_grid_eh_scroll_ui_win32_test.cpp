// The data grid's window under Wine: its own vertical bar spans the rows and disappears when
// they fit, key presses (Ctrl+End through the thread's key state) move the current row and the
// bar follows, and the bar's requests scroll the rows.
#include <windows.h>

#include <gtest/gtest.h>

#include "ui/db_grid_eh.h"
#include "ui/form.h"

namespace ruzi {
namespace {

struct ShownGrid {
  TForm form;
  TDBGridEh* grid = new TDBGridEh(&form);
  TGridTextRows rows{{"Code"}};

  explicit ShownGrid(int row_count) {
    form.SetBounds(20, 20, 400, 300);
    grid->SetParent(&form);
    grid->SetBounds(0, 0, 300, 200);
    for (int width : {120, 120, 120}) grid->Columns().Add("Code").SetWidth(width);
    SetRows(row_count);
    grid->DataSource().SetDataSet(&rows);
    form.Show();
  }
  void SetRows(int count) {
    rows.Clear();
    for (int row = 0; row < count; ++row) rows.AddRow({std::to_string(row)});
  }
  SCROLLINFO Bar(int bar) const {
    SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(grid->Handle(), bar, &info);
    return info;
  }
  bool BarShown(DWORD style) const { return (GetWindowLongW(grid->Handle(), GWL_STYLE) & style) != 0; }
  void Key(WPARAM key, bool control = false) {
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = control ? 0x80 : 0;
    SetKeyboardState(keys);
    SendMessageW(grid->Handle(), WM_KEYDOWN, key, 0);
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
  }
};

TEST(DBGridEhWindow, BarsFollowTheRowsTheColumnsAndTheKeys) {
  ShownGrid shown(50);
  ASSERT_TRUE(shown.BarShown(WS_VSCROLL));
  ASSERT_TRUE(shown.BarShown(WS_HSCROLL)) << "three columns of 120 in 300 pixels";
  const int page = GridPageRows(shown.grid->Metrics());
  const SCROLLINFO vert = shown.Bar(SB_VERT);
  EXPECT_EQ(vert.nMax, 49);
  EXPECT_EQ(static_cast<int>(vert.nPage), page) << "rows that fit beside the horizontal bar";
  SCROLLINFO horz = shown.Bar(SB_HORZ);
  EXPECT_EQ(horz.nMax, 3 * 121 - 1);
  EXPECT_EQ(static_cast<int>(horz.nPage), shown.grid->ClientRect().Width());

  shown.Key(VK_END, true);  // Ctrl through the thread's key state
  EXPECT_EQ(shown.grid->Row(), 49);
  EXPECT_EQ(shown.Bar(SB_VERT).nPos, 50 - page);
  shown.Key(VK_HOME, true);
  EXPECT_EQ(shown.grid->Row(), 0);
  EXPECT_EQ(shown.Bar(SB_VERT).nPos, 0);
  shown.Key(VK_END);
  EXPECT_EQ(shown.grid->SelectedIndex(), 2) << "End without Ctrl: the last column";
  EXPECT_EQ(shown.grid->Row(), 0);
  horz = shown.Bar(SB_HORZ);
  EXPECT_EQ(horz.nPos, horz.nMax - static_cast<int>(horz.nPage) + 1) << "the last LeftCol: the bar's end";
  SendMessageW(shown.grid->Handle(), WM_VSCROLL, SB_PAGEDOWN, 0);
  EXPECT_EQ(shown.grid->TopRow(), page);
  EXPECT_EQ(shown.grid->Row(), 0) << "the bar scrolls without moving the current row";

  shown.SetRows(3);
  shown.grid->DataSource().DataChanged();
  EXPECT_FALSE(shown.BarShown(WS_VSCROLL)) << "three rows fit";
  shown.grid->Columns()[2].SetVisible(false);
  EXPECT_FALSE(shown.BarShown(WS_HSCROLL)) << "two columns fit";
}

}  // namespace
}  // namespace ruzi
