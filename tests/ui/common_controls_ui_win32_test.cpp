// Menus, grids and the common controls on real windows under Wine: commands chosen through the
// system's menu loop reach OnClick, owner-drawn items are measured and painted (an item's image
// in its pixels), a shortcut typed with the menu closed runs its item; grid cells show in the
// pixels, a grid's scroll bars and its edit work; each common control (tests/data/
// uia_window_scenes.txt) shows its contents in its window, pictures lie where their placement
// says, a scroll box scrolls its windows, a tab click switches pages, and clicks and keys in list
// and tree views run their selection events in the window's order.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "control_script.h"
#include "foundation/property_access.h"
#include "message_pump.h"
#include "screenshot.h"
#include "ui_fixtures.h"
#include "ui_window_pixels_win32.h"
#include "ui/bitmap.h"
#include "ui/date_time_picker.h"
#include "ui/form.h"
#include "ui/header_control.h"
#include "ui/image_list.h"
#include "ui/list_view.h"
#include "ui/menu.h"
#include "ui/image.h"
#include "ui/page_control.h"
#include "ui/panel.h"
#include "ui/scroll_box.h"
#include "ui/status_bar.h"
#include "ui/string_grid.h"
#include "ui/track_bar.h"
#include "ui/tree_view.h"

namespace ruzi {
namespace {

using testing::ClickAt;
using testing::ClientPixels;
using testing::Counting;
using testing::Made;
using testing::Place;
using testing::PumpMessages;
using testing::SystemRgb;

// A menu loop that the keys posted for it did not end is ended after a while, so that a
// broken menu fails the test instead of hanging it.
struct MenuWatchdog {
  UINT_PTR timer = SetTimer(nullptr, 0, 3000, [](HWND, UINT, UINT_PTR, DWORD) { EndMenu(); });
  ~MenuWatchdog() { KillTimer(nullptr, timer); }
};

// Presses Ctrl+Shift+`key` in `window`: the modifiers held in the thread's key state (not the
// system's input, which would go to whichever window of a parallel test is in front), the key
// posted, and the loop run as an application's, where keys go to the form first.
void TypeWithCtrlShift(HWND window, WORD key) {
  BYTE saved[256], held[256];
  GetKeyboardState(saved);
  std::copy(std::begin(saved), std::end(saved), held);
  held[VK_CONTROL] = held[VK_SHIFT] = 0x80;
  SetKeyboardState(held);
  PostMessageW(window, WM_KEYDOWN, key, 1);
  MSG msg;
  for (int round = 0; round < 10; ++round, Sleep(10)) {
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (IsFormDialogMessage(&msg)) continue;
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  SetKeyboardState(saved);
}

TEST(MenuUi, ACommandChosenInTheMenuBarByItsShortCutOrInAPopupMenuReachesOnClick) {
  TForm form;
  form.SetBounds(40, 40, 300, 200);
  auto* menu = new TMainMenu(&form);
  auto item = [&](const char* caption, TMenuItem* parent) {
    auto* item = new TMenuItem(&form);
    item->SetCaption(caption);
    parent->Add(item);
    return item;
  };
  TMenuItem* file = item("&File", menu->Items());
  TMenuItem *open = item("&Open", file), *close = item("&Close", file);
  form.SetMenu(menu);
  int opens = 0, closes = 0;
  open->OnClick = Counting(&opens);
  close->OnClick = Counting(&closes);
  form.Show();
  HMENU bar = GetMenu(form.Handle());
  ASSERT_EQ(bar, menu->Handle()) << "setting Menu attaches the menu";
  ASSERT_EQ(GetMenuItemCount(bar), 1);
  EXPECT_EQ(GetMenuItemID(GetSubMenu(bar, 0), 1), static_cast<UINT>(close->Command()));
  // Alt+F opens File; C, Close's mnemonic, typed once the menu shows, chooses it.
  {
    MenuWatchdog watchdog;
    static HWND target = form.Handle();
    const UINT_PTR typing = SetTimer(nullptr, 0, 300, [](HWND, UINT, UINT_PTR, DWORD) {
      PostMessageW(target, WM_CHAR, 'c', 0);
    });
    SendMessageW(form.Handle(), WM_SYSCOMMAND, SC_KEYMENU, 'f');
    KillTimer(nullptr, typing);
    PumpMessages();
  }
  EXPECT_EQ(closes, 1);
  EXPECT_EQ(opens, 0);
  // A change builds the bar again and keeps it attached; a shortcut follows a tab, which the
  // system right-aligns.
  close->SetCaption("&Quit");
  close->SetShortCut(ShortCut('O', scCtrl | scShift));
  open->SetShortCut(ShortCut('O', scCtrl));
  EXPECT_EQ(GetMenu(form.Handle()), menu->Handle());
  wchar_t text[32] = {};
  GetMenuStringW(GetSubMenu(GetMenu(form.Handle()), 0), 1, text, 32, MF_BYPOSITION);
  EXPECT_STREQ(text, L"&Quit\tShift+Ctrl+O");
  // A shortcut typed with the menu closed: the held keys read from the thread's key state.
  opens = closes = 0;
  TypeWithCtrlShift(form.Handle(), 'O');
  EXPECT_EQ(opens, 0);
  EXPECT_EQ(closes, 1);
  // A right click shows the pop-up menu of the control, or of the nearest parent that has one.
  auto* panel = Place<TPanel>(form, {0, 0, 185, 41});
  auto* inner = Place<TPanel>(*panel, {5, 5, 55, 25}, &form);
  auto* popup = new TPopupMenu(&form);
  TMenuItem* copy = item("复制", popup->Items());
  panel->SetPopupMenu(popup);
  int clicks = 0;
  copy->OnClick = Counting(&clicks);
  {
    MenuWatchdog watchdog;
    for (WPARAM key : {VK_DOWN, VK_RETURN}) PostMessageW(form.Handle(), WM_KEYDOWN, key, 0);
    // On the inner panel, which has no menu: the system hands the request up to its parent.
    SendMessageW(inner->Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(inner->Handle()), MAKELPARAM(100, 100));
  }
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(popup->PopupComponent(), panel);
}

struct OwnerDrawLog {
  int measured = 0;
  int drawn = 0;
  TRect last;
};

TEST(MenuUi, OwnerDrawnItemsAreMeasuredAndPaintThemselves) {
  TForm form;
  form.SetBounds(40, 40, 300, 200);
  auto* menu = new TMainMenu(&form);
  menu->SetOwnerDraw(true);
  auto* item = new TMenuItem(&form);
  item->SetCaption("画");
  menu->Items()->Add(item);
  OwnerDrawLog log;
  item->OnMeasureItem = TMenuMeasureItemEvent{[](void* data, TPersistent*, TCanvas*, int& width, int& height) {
                                                ++static_cast<OwnerDrawLog*>(data)->measured;
                                                width = 60;
                                                height = 18;
                                              },
                                              &log};
  item->OnDrawItem = TMenuDrawItemEvent{[](void* data, TPersistent*, TCanvas* canvas, const TRect& rect, bool) {
                                          auto* drawn = static_cast<OwnerDrawLog*>(data);
                                          ++drawn->drawn;
                                          drawn->last = rect;
                                          canvas->Brush().SetColor(clRed);
                                          canvas->FillRect(rect);
                                        },
                                        &log};
  form.SetMenu(menu);
  form.Show();
  DrawMenuBar(form.Handle());
  PumpMessages();
  const ClientPixels pixels(form);
  EXPECT_GT(log.measured, 0);
  ASSERT_GT(log.drawn, 0);
  // The item's rectangle is in window coordinates of the bar, above the client area.
  const int y = (log.last.Top + log.last.Bottom) / 2;
  EXPECT_EQ(pixels.picture.Rgb(log.last.Left + 30, y), 0xFF0000u) << "painted by OnDrawItem";
  EXPECT_NE(pixels.picture.Rgb(log.last.Right + 20, y), 0xFF0000u) << "only as wide as measured";
  EXPECT_LT(y, pixels.dy);
  // A pop-up's items are measured and drawn through its own window: AnItemsImageAndShortCutAreDrawnInIt.
}


// What a timer saw of the pop-up menu's window while its loop ran.
struct PopupSight {
  static inline HMENU menu = nullptr;
  static inline testing::Picture picture;
  static inline RECT item{};
};

TEST(MenuUi, AnItemsImageAndShortCutAreDrawnInIt) {
  TBitmap red;
  red.SetSize(16, 16);
  red.Canvas().Brush().SetColor(clRed);
  red.Canvas().FillRect(TRect{0, 0, 16, 16});
  TPopupMenu popup;
  auto* images = new TImageList(&popup);
  images->Add(red, nullptr);
  popup.SetImages(images);
  ASSERT_TRUE(popup.IsOwnerDraw()) << "images make the items owner-drawn";
  auto* item = new TMenuItem;
  item->SetCaption("保存");
  item->SetImageIndex(0);
  item->SetShortCut(ShortCut('S', scCtrl));
  popup.Items()->Add(item);
  PopupSight::menu = popup.Handle();
  PopupSight::picture = {};
  const UINT_PTR look = SetTimer(nullptr, 0, 300, [](HWND, UINT, UINT_PTR, DWORD) {
    HWND window = nullptr;  // the menu window of this thread: parallel tests show theirs too
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND candidate, LPARAM found) {
          wchar_t name[16] = {};
          GetClassNameW(candidate, name, 16);
          if (IsWindowVisible(candidate) && wcscmp(name, L"#32768") == 0) *reinterpret_cast<HWND*>(found) = candidate;
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&window));
    if (window != nullptr && PopupSight::picture.width == 0) {
      PopupSight::picture = testing::CaptureWindow(window);
      RECT frame;
      GetWindowRect(window, &frame);
      GetMenuItemRect(nullptr, PopupSight::menu, 0, &PopupSight::item);
      OffsetRect(&PopupSight::item, -frame.left, -frame.top);
    }
    EndMenu();
  });
  popup.Popup(60, 60);
  KillTimer(nullptr, look);
  ASSERT_GT(PopupSight::picture.width, 0) << "the menu's window was seen";
  const RECT& at = PopupSight::item;
  const int middle = (at.top + at.bottom) / 2;
  EXPECT_EQ(PopupSight::picture.Rgb(at.left + 3 + 8, middle), 0xFF0000u) << "the image at the item's left";
  // The shortcut's text ends near the right edge: dark pixels in its last 40 pixels.
  int dark = 0;
  for (int x = at.right - 40; x < at.right; ++x) {
    for (int y = at.top; y < at.bottom; ++y) dark += (PopupSight::picture.Rgb(x, y) & 0x808080) == 0 ? 1 : 0;
  }
  EXPECT_GT(dark, 5) << "the shortcut's text right-aligned";
  testing::SaveScreenshot(PopupSight::picture, "menu_image");
}

TEST(StringGridUi, BarsScrollTheCellsAndTheEditPutsTypedTextInTheCell) {
  TForm form;
  form.SetBounds(40, 40, 360, 240);
  auto* grid = Place<TStringGrid>(form, {10, 10, 310, 170});
  grid->SetColCount(12);
  grid->SetRowCount(30);
  grid->SetOptions(TGridOptions{TGridOption::goEditing});
  grid->SetFixedColor(clYellow);
  grid->SetCells(2, 1, "8888");
  form.Show();
  HWND window = grid->Handle();
  // Each bar counts the scrolling cells; at its end the last cell is whole and one cell more
  // would not fit.
  for (const int bar : {SB_HORZ, SB_VERT}) {
    const bool vertical = bar == SB_VERT;
    SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
    ASSERT_TRUE(GetScrollInfo(window, bar, &info)) << bar;
    EXPECT_EQ(info.nMax, (vertical ? 30 : 12) - 2);
    SendMessageW(window, vertical ? WM_VSCROLL : WM_HSCROLL, SB_BOTTOM, 0);
    GetScrollInfo(window, bar, &info);
    const int first = vertical ? grid->TopRow() : grid->LeftCol();
    EXPECT_EQ(info.nPos, first - 1) << "the bar follows";
    EXPECT_EQ(info.nPos, info.nMax - static_cast<int>(info.nPage) + 1) << "at its end";
    const int pitch = vertical ? 25 : 65, extent = vertical ? grid->ClientRect().Height() : grid->ClientRect().Width();
    const int cells = (vertical ? 30 : 12) - first;
    EXPECT_LE(pitch * (cells + 1) - 1, extent) << "the last cell whole";
    EXPECT_GT(pitch * (cells + 2) - 1, extent) << "one more would not fit";
    SendMessageW(window, vertical ? WM_VSCROLL : WM_HSCROLL, SB_LINEUP, 0);
    EXPECT_EQ(vertical ? grid->TopRow() : grid->LeftCol(), first - 1);
    GetScrollInfo(window, bar, &info);
    EXPECT_EQ(info.nPos, first - 2) << "the bar follows short of its end too";
  }
  // Typing opens the edit on the selected cell; Enter, through the form's key handling, puts it
  // in the cell.
  grid->Select(2, 3);
  grid->SetFocus();
  SendMessageW(window, WM_CHAR, L'中', 0);
  HWND editor = GetFocus();
  ASSERT_TRUE(grid->EditorMode());
  ASSERT_NE(editor, window);
  EXPECT_EQ(GetParent(editor), window);
  SendMessageW(editor, WM_CHAR, L'A', 0);
  PumpMessages();
  testing::SaveScreenshot(testing::CaptureWindow(form.Handle()), "string_grid_editing");
  MSG enter{editor, WM_KEYDOWN, VK_RETURN, 0, 0, {}};
  EXPECT_FALSE(IsFormDialogMessage(&enter)) << "the edit keeps Enter";
  DispatchMessageW(&enter);
  EXPECT_EQ(grid->Cells(2, 3), "中A");
  EXPECT_FALSE(grid->EditorMode());
  EXPECT_FALSE(IsWindowVisible(editor));
  EXPECT_EQ(GetFocus(), window);
  // Enter on the grid opens it on the cell's text; Esc drops what was typed.
  MSG open{window, WM_KEYDOWN, VK_RETURN, 0, 0, {}};
  EXPECT_FALSE(IsFormDialogMessage(&open));
  DispatchMessageW(&open);
  ASSERT_TRUE(grid->EditorMode());
  EXPECT_EQ(GetFocus(), editor);
  SendMessageW(editor, WM_CHAR, L'x', 0);
  EXPECT_EQ(grid->Controls(0)->Text(), "x") << "typing replaced the cell's text, which was selected";
  SendMessageW(editor, WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_EQ(grid->Cells(2, 3), "中A");
  EXPECT_FALSE(grid->EditorMode());
  // Everything fits: the bars go and the scroll comes back.
  grid->SetColCount(3);
  grid->SetRowCount(3);
  EXPECT_EQ(GetWindowLongW(window, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL), 0);
  EXPECT_EQ(grid->TopRow(), 1);
  EXPECT_EQ(grid->LeftCol(), 1);
  grid->Font().SetSize(16);
  grid->Select(1, 1);
  // The cells paint their text, the empty ones in clWindow and the fixed ones in FixedColor.
  const ClientPixels pixels(*grid);
  testing::SaveScreenshot(pixels.picture, "string_grid");
  auto count_in = [&](const TRect& cell, uint32_t rgb) {
    int count = 0;
    for (int y = cell.Top; y < cell.Bottom; ++y) {
      for (int x = cell.Left; x < cell.Right; ++x) count += pixels.At(x, y) == rgb ? 1 : 0;
    }
    return count;
  };
  const TRect text_cell = grid->CellRect(2, 1), empty_cell = grid->CellRect(2, 2), fixed_cell = grid->CellRect(0, 1);
  EXPECT_GT(count_in(text_cell, 0x000000), 20) << "the text's black pixels";
  EXPECT_EQ(count_in(empty_cell, SystemRgb(COLOR_WINDOW)), empty_cell.Width() * empty_cell.Height());
  EXPECT_EQ(count_in(fixed_cell, 0xFFFF00), fixed_cell.Width() * fixed_cell.Height());
}

// The events of list and tree views, in the order they ran.
struct SelectionLog {
  std::vector<std::string> lines;
  std::string refuse;  // the node text OnChanging refuses

  static void Add(void* log, const std::string& line) { static_cast<SelectionLog*>(log)->lines.push_back(line); }
  std::vector<std::string> Take() { return std::exchange(lines, {}); }
};

// Clicks `window` at the middle of `rect`'s height, `dx` into it; the release posted first ends
// the drag watch the press starts.
void PressIn(HWND window, const RECT& rect, int dx) {
  const LPARAM point = MAKELPARAM(rect.left + dx, (rect.top + rect.bottom) / 2);
  PostMessageW(window, WM_LBUTTONUP, 0, point);
  SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, point);
  PumpMessages();
}

void PressKey(HWND window, WPARAM key) {
  SendMessageW(window, WM_KEYDOWN, key, 0);
  SendMessageW(window, WM_KEYUP, key, 0);
}

TEST(CommonControlsUi, EachControlShowsItsContentsAndRunsItsEventsInTheWindowsOrder) {
  TForm form;
  form.SetBounds(40, 40, 900, 400);
  form.SetColor(clWhite);
  testing::MakeControls(form, "uia_window_scenes.txt", "common");
  auto* status = Made<TStatusBar>(form, "status");
  auto* list = Made<TListView>(form, "list");
  auto* tree = Made<TTreeView>(form, "tree");
  auto* pages = Made<TPageControl>(form, "pages");
  TTabSheet* sheets[2];
  for (int i = 0; i < 2; ++i) {
    sheets[i] = new TTabSheet(&form);
    sheets[i]->SetCaption(i == 0 ? "第一页" : "第二页");
    sheets[i]->SetPageControl(pages);
  }
  TBitmap picture;
  picture.SetSize(20, 10);
  picture.Canvas().Brush().SetColor(clRed);
  picture.Canvas().FillRect(TRect{0, 0, 20, 10});
  std::vector<TImage*> images;
  for (const char* name : {"plain", "centred", "stretched", "fitted"}) {
    images.push_back(Made<TImage>(form, name));
    images.back()->Picture().SetGraphic(&picture);
  }
  auto* box = Made<TScrollBox>(form, "box");
  auto* distant = Place<TPanel>(*box, {10, 400, 60, 450}, &form);
  SelectionLog log;
  list->OnChange = TLVChangeEvent{[](void* log, TPersistent*, TListItem* item, TItemChange change) {
    SelectionLog::Add(log, "change " + item->Caption() + " " + std::to_string(static_cast<int>(change)));
  }, &log};
  list->OnSelectItem = TLVSelectItemEvent{[](void* log, TPersistent*, TListItem* item, bool selected) {
    SelectionLog::Add(log, "select " + item->Caption() + (selected ? " on" : " off"));
  }, &log};
  tree->OnChanging = TTVChangingEvent{[](void* log, TPersistent*, TTreeNode* node, bool& allow) {
    SelectionLog::Add(log, "changing " + node->Text());
    allow = node->Text() != static_cast<SelectionLog*>(log)->refuse;
  }, &log};
  tree->OnChange = TTVChangedEvent{[](void* log, TPersistent*, TTreeNode* node) { SelectionLog::Add(log, "change " + node->Text()); }, &log};
  int page_changes = 0;
  pages->OnChange = Counting(&page_changes);
  form.Show();
  // Contents given after the windows exist reach them too.
  SetPropText(*list, "Items", "600000\t浦发银行\r\n000001\t平安银行\r\n600519\t贵州茅台");
  SetPropText(*tree, "Items", "甲\r\n乙\r\n丙");
  wchar_t text[32] = {};
  SendMessageW(status->Handle(), SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text));
  EXPECT_STREQ(text, L"就绪");
  EXPECT_EQ(SendMessageW(status->Handle(), SB_GETPARTS, 0, 0), 2);
  EXPECT_EQ(SendMessageW(list->Handle(), LVM_GETITEMCOUNT, 0, 0), 3);
  LVITEMW item{};
  item.iSubItem = 1;
  item.pszText = text;
  item.cchTextMax = 32;
  SendMessageW(list->Handle(), LVM_GETITEMTEXTW, 1, reinterpret_cast<LPARAM>(&item));
  EXPECT_STREQ(text, L"平安银行");
  EXPECT_EQ(SendMessageW(tree->Handle(), TVM_GETCOUNT, 0, 0), 3);
  EXPECT_EQ(SendMessageW(Made<THeaderControl>(form, "header")->Handle(), HDM_GETITEMCOUNT, 0, 0), 2);
  SYSTEMTIME date{};
  SendMessageW(Made<TDateTimePicker>(form, "picker")->Handle(), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&date));
  EXPECT_EQ(date.wYear * 10000 + date.wMonth * 100 + date.wDay, 20240229);
  // The pictures where their placement says, the scroll box's bar over its controls and scrolling.
  const ClientPixels pixels(form);
  testing::SaveScreenshot(pixels.picture, "common_controls");
  for (TImage* image : images) {
    const TRect dest = image->DestRect();
    for (int y = 0; y < 80; y += 4) {
      for (int x = 0; x < 80; x += 4) {
        const bool inside = x >= dest.Left && x < dest.Right && y >= dest.Top && y < dest.Bottom;
        ASSERT_EQ(pixels.At(image->Left() + x, y), inside ? 0xFF0000u : 0xFFFFFFu) << image->Name() << ": " << x << "," << y;
      }
    }
  }
  SCROLLINFO info{sizeof info, SIF_RANGE | SIF_PAGE, 0, 0, 0, 0, 0};
  GetScrollInfo(box->Handle(), SB_VERT, &info);
  const int client = box->ClientRect().Height();
  EXPECT_EQ(info.nMax - static_cast<int>(info.nPage) + 1, 450 - client) << "the bar spans the controls";
  SendMessageW(box->Handle(), WM_VSCROLL, SB_BOTTOM, 0);
  EXPECT_EQ(distant->Top(), client - 50) << "scrolled to the last pixel";
  RECT moved;
  GetWindowRect(distant->Handle(), &moved);
  POINT top{moved.left, moved.top};
  ScreenToClient(box->Handle(), &top);
  EXPECT_EQ(top.y, client - 50) << "the window moved with it";
  // A key moves the thumb; the bar's notification brings the position back to the control.
  int changes = 0;
  auto* track = Made<TTrackBar>(form, "track");
  track->OnChange = Counting(&changes);
  track->SetFocus();
  PressKey(track->Handle(), VK_RIGHT);
  EXPECT_EQ(track->Position(), 1);
  EXPECT_GE(changes, 1);
  track->SetPosition(7);
  EXPECT_EQ(SendMessageW(track->Handle(), TBM_GETPOS, 0, 0), 7);

  // The list view: a click, then a key, each in the window's order of events.
  list->SetFocus();
  RECT second{LVIR_LABEL, 0, 0, 0};
  SendMessageW(list->Handle(), LVM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&second));
  PressIn(list->Handle(), second, 5);
  EXPECT_EQ(log.Take(), (std::vector<std::string>{"change 000001 2", "select 000001 on"}));
  EXPECT_EQ(list->ItemIndex(), 1);
  PressKey(list->Handle(), VK_DOWN);
  EXPECT_EQ(log.Take(), (std::vector<std::string>{"change 000001 2", "select 000001 off", "change 600519 2", "select 600519 on"}));
  EXPECT_EQ(list->ItemIndex(), 2);
  EXPECT_EQ(list->Selected(), &list->Items().Item(2));
  // New contents keep the selection where there still is an item, without events.
  list->Items().Item(0).SetCaption("600036");
  EXPECT_TRUE(log.Take().empty());
  EXPECT_EQ(SendMessageW(list->Handle(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), 2);
  list->SetItemIndex(-1);
  EXPECT_EQ(log.Take(), (std::vector<std::string>{"change 600519 2", "select 600519 off"}));
  EXPECT_EQ(list->ItemIndex(), -1);

  // The tree view: a click, a key its OnChanging refuses (window and control stay), one allowed.
  tree->SetFocus();
  PumpMessages();
  log.Take();
  HWND window = tree->Handle();
  HTREEITEM middle = TreeView_GetNextSibling(window, TreeView_GetRoot(window));
  RECT rect;
  *reinterpret_cast<HTREEITEM*>(&rect) = middle;
  SendMessageW(window, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&rect));
  PressIn(window, rect, 3);
  EXPECT_EQ(log.Take(), (std::vector<std::string>{"changing 乙", "change 乙"}));
  ASSERT_NE(tree->Selected(), nullptr);
  EXPECT_EQ(tree->Selected()->Text(), "乙");
  log.refuse = "丙";
  PressKey(window, VK_DOWN);
  EXPECT_EQ(log.Take(), (std::vector<std::string>{"changing 丙"}));
  EXPECT_EQ(tree->Selected()->Text(), "乙");
  EXPECT_EQ(reinterpret_cast<HTREEITEM>(SendMessageW(window, TVM_GETNEXTITEM, TVGN_CARET, 0)), middle);
  SendMessageW(window, WM_KEYDOWN, VK_UP, 0);
  EXPECT_EQ(log.Take(), (std::vector<std::string>{"changing 甲", "change 甲"}));
  // The selected node deleted: no node selected, no event.
  tree->Items().Delete(tree->Selected());
  EXPECT_EQ(tree->Selected(), nullptr);
  EXPECT_TRUE(log.Take().empty());

  // The page control: a click on a tab shows its page; the property moves the tabs without OnChange.
  HWND tabs = pages->Handle();
  ASSERT_EQ(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0), 2);
  EXPECT_TRUE(IsWindowVisible(sheets[0]->Handle()));
  EXPECT_FALSE(IsWindowVisible(sheets[1]->Handle()));
  EXPECT_GT(sheets[0]->Top(), 0) << "below the tabs";
  RECT tab;
  SendMessageW(tabs, TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&tab));
  ClickAt(tabs, (tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2);
  PumpMessages();
  EXPECT_EQ(pages->ActivePage(), sheets[1]);
  EXPECT_EQ(page_changes, 1);
  EXPECT_FALSE(IsWindowVisible(sheets[0]->Handle()));
  EXPECT_TRUE(IsWindowVisible(sheets[1]->Handle()));
  SetPropText(*pages, "ActivePageIndex", "0");
  EXPECT_EQ(SendMessageW(tabs, TCM_GETCURSEL, 0, 0), 0);
  EXPECT_EQ(page_changes, 1) << "OnChange is the user's change alone";
}

}  // namespace
}  // namespace ruzi
