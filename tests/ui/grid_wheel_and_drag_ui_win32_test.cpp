// What Windows adds to the grids' scrolling: wheel messages (also those the in-place edit passes
// up to the grid) scroll by the system's wheel lines with the bars following; a drag takes the
// mouse capture and the real timer scrolls while the mouse is held below the grid, until the
// button is released; the grid keeps Tab from the form with goTabs; the line and focus options
// show in the pixels; a sizing line answers WM_SETCURSOR with the sizing cursor; and a heading
// dragged through the window moves its column although the release gives the capture back.
#include <windows.h>

#include <gtest/gtest.h>

#include "screenshot.h"
#include "ui/form.h"
#include "ui/string_grid.h"

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

int BarPosition(HWND window, int bar) {
  SCROLLINFO info{sizeof info, SIF_POS, 0, 0, 0, 0, 0};
  GetScrollInfo(window, bar, &info);
  return info.nPos;
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

TEST(GridWheelUi, TheWheelScrollsTheGridAndItsBarFollows) {
  Shown shown;
  const int lines = WheelLines();
  ASSERT_GT(lines, 0);
  Wheel(shown.Handle(), -WHEEL_DELTA);
  EXPECT_EQ(shown.grid->TopRow(), 1 + lines);
  EXPECT_EQ(BarPosition(shown.Handle(), SB_VERT), lines) << "the bar follows";
  // The in-place edit has the focus: the wheel it gets goes up to the grid.
  shown.grid->SetOptions(TGridOptions{TGridOption::goEditing, TGridOption::goAlwaysShowEditor});
  ASSERT_TRUE(shown.grid->EditorMode());
  ASSERT_NE(GetFocus(), shown.Handle());
  Wheel(GetFocus(), WHEEL_DELTA);
  EXPECT_EQ(shown.grid->TopRow(), 1);
}

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
  EXPECT_EQ(shown.grid->Selection().Top, 1) << "the block grows from where the drag began";
  EXPECT_EQ(shown.grid->Row(), scrolled + shown.grid->VisibleRowCount() - 1);
  SendMessageW(grid, WM_LBUTTONUP, 0, MAKELPARAM(70, 400));
  EXPECT_NE(GetCapture(), grid);
  RunMessages(200);
  EXPECT_EQ(shown.grid->TopRow(), scrolled) << "released: no more ticks";
}

TEST(StringGridOptionsUi, TabStaysInTheGridAndTheOptionsShowInThePixels) {
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
    RedrawWindow(shown.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    testing::Picture picture = testing::CaptureWindow(shown.Handle());
    POINT origin{0, 0};
    ClientToScreen(shown.Handle(), &origin);
    RECT frame;
    GetWindowRect(shown.Handle(), &frame);
    return [=](int x, int y) { return picture.Rgb(origin.x - frame.left + x, origin.y - frame.top + y); };
  };
  const uint32_t highlight = GetSysColor(COLOR_HIGHLIGHT);
  const uint32_t highlight_rgb = (highlight & 0xFF) << 16 | (highlight & 0xFF00) | (highlight >> 16 & 0xFF);
  auto lined = pixels(TGridOptions{TGridOption::goVertLine, TGridOption::goHorzLine});
  EXPECT_EQ(lined(other.Right, other.Top + 3), 0xC0C0C0u) << "the line down";
  EXPECT_EQ(lined(other.Left + 3, other.Bottom), 0xC0C0C0u) << "the line across";
  EXPECT_EQ(lined(focused.Left + 10, focused.Top + 10), 0xFFFFFFu) << "the focused cell keeps its fill";
  auto plain = pixels(TGridOptions{TGridOption::goDrawFocusSelected});
  EXPECT_EQ(plain(other.Right, other.Top + 3), 0xFFFFFFu) << "no line: the cell's fill";
  EXPECT_EQ(plain(other.Left + 3, other.Bottom), 0xFFFFFFu);
  EXPECT_EQ(plain(focused.Left + 10, focused.Top + 10), highlight_rgb) << "drawn as selected";
}

TEST(StringGridOptionsUi, LinesAnswerTheCursorAndHeadingsMoveThroughTheCapture) {
  Shown shown;
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
