// What Windows adds to the grids' scrolling: the data grid's own vertical bar spans the rows and
// disappears when they fit, key presses (Ctrl+End through the thread's key state) move the current
// row and the bar follows, and the bar's requests scroll the rows; wheel messages (also those the in-place edit passes
// up to the grid) scroll by the system's wheel lines with the bars following; a drag takes the
// mouse capture and the real timer scrolls while the mouse is held below the grid, until the
// button is released; the grid keeps Tab from the form with goTabs; the line and focus options
// show in the pixels; a sizing line answers WM_SETCURSOR with the sizing cursor; and a heading
// dragged through the window moves its column although the release gives the capture back.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "ui/db_grid_eh.h"
#include "ui/form.h"
#include "ui/string_grid.h"
#include "ui_window_pixels_win32.h"

namespace ruzi {
namespace {

int WheelLines() {
  UINT lines = 3;
  SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
  return static_cast<int>(lines);
}

void Wheel(HWND window, int delta) {
  SendMessageW(window, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(static_cast<short>(delta))), 0);
}

SCROLLINFO Bar(HWND window, int bar) {
  SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
  GetScrollInfo(window, bar, &info);
  return info;
}

// Runs the thread's messages, timers included, for a while.
void RunMessages(DWORD milliseconds) {
  const DWORD end = GetTickCount() + milliseconds;
  while (static_cast<LONG>(end - GetTickCount()) > 0) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    Sleep(5);
  }
}

struct Shown {
  TForm form;
  TStringGrid* grid = new TStringGrid(&form);
  Shown() {
    form.SetBounds(40, 40, 400, 260);
    grid->SetBounds(10, 10, 320, 160);
    grid->SetColCount(10);
    grid->SetRowCount(40);
    grid->SetParent(&form);
    form.Show();
    grid->SetFocus();
  }
  HWND Handle() { return grid->Handle(); }
};

bool BarShown(HWND window, DWORD style) { return (GetWindowLongW(window, GWL_STYLE) & style) != 0; }

// Ctrl through the thread's key state.
void Key(HWND window, WPARAM key, bool control = false) {
  BYTE keys[256] = {};
  GetKeyboardState(keys);
  keys[VK_CONTROL] = control ? 0x80 : 0;
  SetKeyboardState(keys);
  SendMessageW(window, WM_KEYDOWN, key, 0);
  keys[VK_CONTROL] = 0;
  SetKeyboardState(keys);
}

TEST(DBGridEhWindow, BarsFollowTheRowsTheColumnsAndTheKeys) {
  TForm form;
  auto* grid = new TDBGridEh(&form);
  TGridTextRows rows{{"Code"}};
  form.SetBounds(20, 20, 400, 300);
  grid->SetParent(&form);
  grid->SetBounds(0, 0, 300, 200);
  for (int width : {120, 120, 120}) grid->Columns().Add("Code").SetWidth(width);
  for (int row = 0; row < 50; ++row) rows.AddRow({std::to_string(row)});
  grid->DataSource().SetDataSet(&rows);
  form.Show();
  const HWND window = grid->Handle();
  ASSERT_TRUE(BarShown(window, WS_VSCROLL));
  ASSERT_TRUE(BarShown(window, WS_HSCROLL)) << "three columns of 120 in 300 pixels";
  const int page = GridPageRows(grid->Metrics());
  const SCROLLINFO vert = Bar(window, SB_VERT);
  EXPECT_EQ(vert.nMax, 49);
  EXPECT_EQ(static_cast<int>(vert.nPage), page) << "rows that fit beside the horizontal bar";
  SCROLLINFO horz = Bar(window, SB_HORZ);
  EXPECT_EQ(horz.nMax, 3 * 121 - 1);
  EXPECT_EQ(static_cast<int>(horz.nPage), grid->ClientRect().Width());

  Key(window, VK_END, true);
  EXPECT_EQ(grid->Row(), 49);
  EXPECT_EQ(Bar(window, SB_VERT).nPos, 50 - page);
  Key(window, VK_HOME, true);
  EXPECT_EQ(grid->Row(), 0);
  EXPECT_EQ(Bar(window, SB_VERT).nPos, 0);
  Key(window, VK_END);
  EXPECT_EQ(grid->SelectedIndex(), 2) << "End without Ctrl: the last column";
  EXPECT_EQ(grid->Row(), 0);
  horz = Bar(window, SB_HORZ);
  EXPECT_EQ(horz.nPos, horz.nMax - static_cast<int>(horz.nPage) + 1) << "the last LeftCol: the bar's end";
  SendMessageW(window, WM_VSCROLL, SB_PAGEDOWN, 0);
  EXPECT_EQ(grid->TopRow(), page);
  EXPECT_EQ(grid->Row(), 0) << "the bar scrolls without moving the current row";

  rows.Clear();
  for (int row = 0; row < 3; ++row) rows.AddRow({std::to_string(row)});
  grid->DataSource().DataChanged();
  EXPECT_FALSE(BarShown(window, WS_VSCROLL)) << "three rows fit";
  grid->Columns()[2].SetVisible(false);
  EXPECT_FALSE(BarShown(window, WS_HSCROLL)) << "two columns fit";
}

TEST(GridWheelUi, TheWheelScrollsTheGridAndItsBarFollows) {
  Shown shown;
  const int lines = WheelLines();
  ASSERT_GT(lines, 0);
  Wheel(shown.Handle(), -WHEEL_DELTA);
  EXPECT_EQ(shown.grid->TopRow(), 1 + lines);
  EXPECT_EQ(Bar(shown.Handle(), SB_VERT).nPos, lines) << "the bar follows";
  // The in-place edit has the focus: the wheel it gets goes up to the grid.
  shown.grid->SetOptions(TGridOptions{TGridOption::goEditing, TGridOption::goAlwaysShowEditor});
  ASSERT_TRUE(shown.grid->EditorMode());
  ASSERT_NE(GetFocus(), shown.Handle());
  Wheel(GetFocus(), WHEEL_DELTA);
  EXPECT_EQ(shown.grid->TopRow(), 1);
}

// The drag's steps a tick: ui_grid_messages.txt.
TEST(GridDragUi, ADragCapturesTheMouseAndTheTimerScrollsUntilRelease) {
  Shown shown;
  HWND grid = shown.Handle();
  SendMessageW(grid, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(70, 30));  // cell 1, 1
  EXPECT_EQ(GetCapture(), grid);
  SendMessageW(grid, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(70, 400));  // held below the grid
  const int top = shown.grid->TopRow();
  RunMessages(400);
  const int scrolled = shown.grid->TopRow();
  EXPECT_GT(scrolled, top + 2) << "the timer ticks without the mouse moving";
  SendMessageW(grid, WM_LBUTTONUP, 0, MAKELPARAM(70, 400));
  EXPECT_NE(GetCapture(), grid);
  RunMessages(200);
  EXPECT_EQ(shown.grid->TopRow(), scrolled) << "released: no more ticks";
}

TEST(StringGridOptionsUi, TabLinesFocusCursorsAndHeadingMovesFollowTheOptions) {
  Shown shown;
  MSG tab{shown.Handle(), WM_KEYDOWN, VK_TAB, 0, 0, {}};
  EXPECT_TRUE(IsFormDialogMessage(&tab)) << "without goTabs the form takes Tab";
  shown.grid->SetFocus();
  shown.grid->SetOptions(TGridOptions{TGridOption::goTabs});
  EXPECT_FALSE(IsFormDialogMessage(&tab));
  DispatchMessageW(&tab);
  EXPECT_EQ(shown.grid->Col(), 2);

  shown.grid->SetColor(clWhite);
  const TRect focused = shown.grid->CellRect(2, 1), other = shown.grid->CellRect(3, 2);
  auto pixels = [&](TGridOptions options) {
    shown.grid->SetOptions(options);
    const testing::ClientPixels picture(shown.Handle());
    return [=](int x, int y) { return picture.At(x, y); };
  };
  // The line down, the line across and the focused cell: lines or the cells' fill, the focused
  // cell kept white or drawn as selected.
  const auto lined = pixels(TGridOptions{TGridOption::goVertLine, TGridOption::goHorzLine});
  const auto plain = pixels(TGridOptions{TGridOption::goDrawFocusSelected});
  EXPECT_EQ((std::vector<uint32_t>{lined(other.Right, other.Top + 3), lined(other.Left + 3, other.Bottom),
                                   lined(focused.Left + 10, focused.Top + 10), plain(other.Right, other.Top + 3),
                                   plain(other.Left + 3, other.Bottom), plain(focused.Left + 10, focused.Top + 10)}),
            (std::vector<uint32_t>{0xC0C0C0, 0xC0C0C0, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, testing::SystemRgb(COLOR_HIGHLIGHT)}));

  // Sizing lines answer the cursor; a heading moves through the capture.
  HWND grid = shown.Handle();
  const auto cursor_at = [&](int x, int y) {
    POINT at{x, y};
    ClientToScreen(grid, &at);
    SetCursorPos(at.x, at.y);
    SendMessageW(grid, WM_SETCURSOR, reinterpret_cast<WPARAM>(grid), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    return GetCursor();
  };
  const TRect heading = shown.grid->CellRect(2, 0), row = shown.grid->CellRect(0, 2);
  shown.grid->SetOptions(TGridOptions{TGridOption::goColSizing, TGridOption::goColMoving});
  EXPECT_EQ(cursor_at(heading.Right, 5), LoadCursorA(nullptr, IDC_SIZEWE)) << "on column 2's line";
  EXPECT_EQ(cursor_at(heading.Left + 10, 5), LoadCursorA(nullptr, IDC_ARROW)) << "inside the heading";
  shown.grid->SetOptions(TGridOptions{TGridOption::goRowSizing});
  EXPECT_EQ(cursor_at(5, row.Bottom), LoadCursorA(nullptr, IDC_SIZENS));

  shown.grid->SetOptions(TGridOptions{TGridOption::goColMoving});
  shown.grid->SetCells(2, 0, "moved");
  SendMessageW(grid, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(heading.Left + 5, 5));
  EXPECT_EQ(GetCapture(), grid);
  const int onto = shown.grid->CellRect(3, 0).Left + 5;
  SendMessageW(grid, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(onto, 5));
  SendMessageW(grid, WM_LBUTTONUP, 0, MAKELPARAM(onto, 5));
  EXPECT_NE(GetCapture(), grid);
  EXPECT_EQ(shown.grid->Cells(3, 0), "moved");
}

}  // namespace
}  // namespace ruzi
