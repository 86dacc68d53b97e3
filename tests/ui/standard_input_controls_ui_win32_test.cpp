// The input controls on real windows under Wine: a check box turned by a click in its window,
// list and combo boxes whose Items and ItemIndex are the system list's (both ways), a radio
// group whose windows keep one mark, a check list box's mark turned by a click in its box, and
// a screenshot whose pixels show the controls' colours, and a spin edit's arrows stepping it.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "platform/text_encoding.h"
#include "screenshot.h"
#include "ui/bit_btn.h"
#include "ui/bitmap.h"
#include "ui/check_list_box.h"
#include "ui/combo_box.h"
#include "ui/form.h"
#include "ui/memo.h"
#include "ui/radio_group.h"
#include "ui/scroll_bar.h"
#include "ui/speed_button.h"
#include "ui/spin_edit.h"

namespace ruzi {
namespace {

uint32_t Rgb(uint32_t colorref) { return (colorref & 0xFF) << 16 | (colorref & 0xFF00) | (colorref >> 16 & 0xFF); }

void ClickAt(HWND window, int x, int y) {
  SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

std::string ListText(HWND window, UINT get_text, int index) {
  wchar_t text[64] = {};
  SendMessageW(window, get_text, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
  return platform::WideToGbk(text);
}

struct Shown {
  TForm form;
  Shown() {
    form.SetBounds(20, 20, 420, 300);
    form.SetText("输入控件");
  }
  template <typename Control>
  Control* Add(int left, int top, int width, int height) {
    auto* control = new Control(&form);
    control->SetBounds(left, top, width, height);
    control->SetParent(&form);
    return control;
  }
};

TEST(StandardInputControlsUi, CheckBoxClickedInItsWindowReportsChecked) {
  Shown shown;
  auto* box = shown.Add<TCheckBox>(10, 10, 120, 20);
  box->SetCaption("同意");
  int clicks = 0;
  box->OnClick = TNotifyEvent{[](void* count, TPersistent*) { ++*static_cast<int*>(count); }, &clicks};
  shown.form.Show();
  for (bool expected : {true, false, true}) {
    ClickAt(box->Handle(), 5, 10);
    EXPECT_EQ(box->Checked(), expected);
    EXPECT_EQ(SendMessageW(box->Handle(), BM_GETCHECK, 0, 0), expected ? BST_CHECKED : BST_UNCHECKED);
  }
  EXPECT_EQ(clicks, 3);
}

TEST(StandardInputControlsUi, ListAndComboItemsAreTheSystemLists) {
  Shown shown;
  auto* list = shown.Add<TListBox>(10, 10, 150, 120);
  auto* combo = shown.Add<TComboBox>(200, 10, 150, 21);
  list->SetItemsText("甲\r\n乙\r\n");
  combo->SetItemsText("上海\r\n");
  shown.form.Show();
  // Changes after the windows exist reach them one by one.
  list->Items().Add("丙");
  list->Items().Delete(0);
  combo->Items().Insert(0, "深圳");
  const struct {
    HWND window;
    UINT count, get_text;
    std::vector<std::string> lines;
  } cases[] = {{list->Handle(), LB_GETCOUNT, LB_GETTEXT, {"乙", "丙"}},
               {combo->Handle(), CB_GETCOUNT, CB_GETLBTEXT, {"深圳", "上海"}}};
  for (const auto& c : cases) {
    ASSERT_EQ(SendMessageW(c.window, c.count, 0, 0), static_cast<LRESULT>(c.lines.size()));
    for (size_t i = 0; i < c.lines.size(); ++i) EXPECT_EQ(ListText(c.window, c.get_text, static_cast<int>(i)), c.lines[i]);
  }
  list->SetItemIndex(1);
  EXPECT_EQ(SendMessageW(list->Handle(), LB_GETCURSEL, 0, 0), 1);
  SendMessageW(combo->Handle(), CB_SETCURSEL, 1, 0);
  EXPECT_EQ(combo->ItemIndex(), 1) << "set in the window, read by the control";
  EXPECT_EQ(combo->Text(), "上海");
  int clicks = 0;
  list->OnClick = TNotifyEvent{[](void* count, TPersistent*) { ++*static_cast<int*>(count); }, &clicks};
  RECT first;
  SendMessageW(list->Handle(), LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first));
  ClickAt(list->Handle(), first.left + 5, first.top + 3);
  EXPECT_EQ(list->ItemIndex(), 0) << "a click in the list";
  EXPECT_EQ(clicks, 1);
}

TEST(StandardInputControlsUi, RadioGroupWindowsKeepOneMark) {
  Shown shown;
  auto* group = shown.Add<TRadioGroup>(10, 10, 200, 120);
  group->SetCaption("市场");
  group->SetItemsText("上海\r\n深圳\r\n北京\r\n");
  shown.form.Show();
  auto marks = [&] {
    std::string text;
    for (int i = 0; i < 3; ++i) text += SendMessageW(group->Buttons(i)->Handle(), BM_GETCHECK, 0, 0) ? '1' : '0';
    return text;
  };
  for (int pick : {2, 0, 1, 1}) {
    ClickAt(group->Buttons(pick)->Handle(), 5, 5);
    EXPECT_EQ(group->ItemIndex(), pick);
    std::string expected = "000";
    expected[static_cast<size_t>(pick)] = '1';
    EXPECT_EQ(marks(), expected);
  }
}

TEST(StandardInputControlsUi, CheckListBoxMarkTurnsOnAClickInItsBox) {
  Shown shown;
  auto* list = shown.Add<TCheckListBox>(10, 10, 150, 100);
  list->SetItemsText("基金\r\n股票\r\n");
  shown.form.Show();
  RECT second;
  SendMessageW(list->Handle(), LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&second));
  ClickAt(list->Handle(), second.left + 5, second.top + 5);
  EXPECT_EQ(list->CheckedText(), "1");
  ClickAt(list->Handle(), second.left + 60, second.top + 5);
  EXPECT_EQ(list->CheckedText(), "1") << "a click on the text only selects";
  EXPECT_EQ(list->ItemIndex(), 1);
}

TEST(StandardInputControlsUi, WindowsKeepStateAcrossChangesAndRemaking) {
  Shown shown;
  auto* bar = shown.Add<TScrollBar>(10, 10, 200, 17);
  auto* memo = shown.Add<TMemo>(10, 40, 200, 80);
  auto* combo = shown.Add<TComboBox>(10, 130, 150, 21);
  bar->SetParams(30, 0, 40);
  combo->SetItemsText("上海\r\n深圳\r\n");
  combo->SetItemIndex(1);
  shown.form.Show();
  EXPECT_EQ(SendMessageW(bar->Handle(), SBM_GETPOS, 0, 0), 30);
  SendMessageW(shown.form.Handle(), WM_HSCROLL, SB_PAGEDOWN, reinterpret_cast<LPARAM>(bar->Handle()));
  EXPECT_EQ(bar->Position(), 31) << "a page of LargeChange 1, from the parent's notification";
  EXPECT_EQ(SendMessageW(bar->Handle(), SBM_GETPOS, 0, 0), 31);
  SetWindowTextW(memo->Handle(), L"typed\r\nlines");
  EXPECT_EQ(memo->Lines().Count(), 2) << "typed text is seen in the lines";
  memo->SetWordWrap(false);
  EXPECT_EQ(memo->Text(), "typed\r\nlines") << "the text survives a new window";
  combo->SetStyle(TComboBoxStyle::csDropDownList);
  EXPECT_EQ(SendMessageW(combo->Handle(), CB_GETCOUNT, 0, 0), 2);
  EXPECT_EQ(SendMessageW(combo->Handle(), CB_GETCURSEL, 0, 0), 1) << "and the choice a new combo window";
}

TEST(StandardInputControlsUi, RichEditIsTheSystemsAndReportsChanges) {
  Shown shown;
  auto* rich = shown.Add<TRichEdit>(10, 10, 200, 80);
  int changes = 0;
  rich->OnChange = TNotifyEvent{[](void* count, TPersistent*) { ++*static_cast<int*>(count); }, &changes};
  shown.form.Show();
  wchar_t name[32] = {};
  GetClassNameW(rich->Handle(), name, 32);
  EXPECT_STREQ(name, L"RichEdit20W");
  rich->Lines().Add("行情");
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(rich->Text(), "行情");
}

TEST(StandardInputControlsUi, ScreenshotShowsTheControlsColours) {
  Shown shown;
  shown.form.SetColor(0x00336699);
  auto* list = shown.Add<TListBox>(10, 10, 150, 120);
  list->SetItemsText("甲\r\n乙\r\n丙\r\n");
  list->SetItemIndex(1);
  auto* speed = shown.Add<TSpeedButton>(200, 10, 60, 30);
  speed->SetColor(0x00CC9966);
  auto* memo = shown.Add<TMemo>(200, 60, 180, 80);
  memo->Lines().SetText("第一行\r\n第二行");
  auto* bit = shown.Add<TBitBtn>(200, 160, 100, 30);
  bit->SetCaption("确定");
  TBitmap glyph;
  glyph.SetSize(16, 16);
  glyph.Canvas().Brush().SetColor(0x0000CC00);
  glyph.Canvas().FillRect(TRect{0, 0, 16, 16});
  bit->Glyph().SetGraphic(&glyph);
  int clicks = 0;
  bit->OnClick = TNotifyEvent{[](void* count, TPersistent*) { ++*static_cast<int*>(count); }, &clicks};
  auto* check = shown.Add<TCheckBox>(10, 150, 120, 20);
  check->SetCaption("选中");
  check->SetChecked(true);
  shown.form.Show();
  RedrawWindow(shown.form.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  const testing::Picture picture = testing::CaptureWindow(shown.form.Handle());
  testing::SaveScreenshot(picture, "standard_input_controls");
  RECT frame;
  GetWindowRect(shown.form.Handle(), &frame);
  POINT origin{0, 0};
  ClientToScreen(shown.form.Handle(), &origin);
  auto at = [&](int x, int y) { return picture.Rgb(origin.x - frame.left + x, origin.y - frame.top + y); };
  RECT selected;
  SendMessageW(list->Handle(), LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&selected));
  EXPECT_EQ(at(10 + 2 + 140, 10 + 2 + selected.top + 2), Rgb(GetSysColor(COLOR_HIGHLIGHT))) << "the selected line";
  EXPECT_EQ(at(10 + 2 + 140, 10 + 100), Rgb(GetSysColor(COLOR_WINDOW))) << "below the lines";
  EXPECT_EQ(at(230, 25), 0x6699CCu) << "the speed button's colour code";
  EXPECT_EQ(at(205, 10), Rgb(GetSysColor(COLOR_BTNHIGHLIGHT))) << "its raised face: light above";
  EXPECT_EQ(at(205, 39), Rgb(GetSysColor(COLOR_BTNSHADOW))) << "and dark below";
  EXPECT_EQ(at(300, 130), Rgb(GetSysColor(COLOR_WINDOW))) << "the memo";
  EXPECT_EQ(at(395, 250), 0x996633u) << "the form";
  HDC dc = GetDC(bit->Handle());
  SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(bit->Handle(), WM_GETFONT, 0, 0)));
  SIZE text;
  GetTextExtentPoint32W(dc, L"确定", 2, &text);
  ReleaseDC(bit->Handle(), dc);
  const TButtonPlaces places =
      PlaceGlyphAndCaption({100, 30}, {16, 16}, {text.cx, text.cy}, TButtonLayout::blGlyphLeft, -1, 4);
  EXPECT_EQ(at(200 + places.GlyphX + 8, 160 + places.GlyphY + 8), 0x00CC00u) << "the bit button's glyph";
  EXPECT_EQ(at(200 + places.GlyphX - 2, 160 + places.GlyphY + 8), Rgb(GetSysColor(COLOR_BTNFACE))) << "beside it";
  ClickAt(bit->Handle(), 50, 15);
  EXPECT_EQ(clicks, 1) << "an owner-drawn button still clicks";
}

TEST(StandardInputControlsUi, SpinEditArrowsAndKeysStepByIncrementWithinTheLimits) {
  Shown shown;
  auto* spin = shown.Add<TSpinEdit>(10, 10, 100, 24);
  spin->SetMinValue(-5);
  spin->SetMaxValue(10);
  spin->SetIncrement(4);
  shown.form.Show();
  HWND edit = spin->Handle();
  HWND arrows = FindWindowExW(edit, nullptr, UPDOWN_CLASSW, nullptr);
  ASSERT_NE(arrows, nullptr);
  RECT client, box;
  GetClientRect(edit, &client);
  GetWindowRect(arrows, &box);
  MapWindowPoints(HWND_DESKTOP, edit, reinterpret_cast<POINT*>(&box), 2);
  EXPECT_EQ(box.right, client.right) << "along the edit's right edge";
  EXPECT_EQ(box.bottom - box.top, client.bottom);
  EXPECT_EQ(HIWORD(SendMessageW(edit, EM_GETMARGINS, 0, 0)), box.right - box.left) << "text kept clear of them";
  const int half = (box.bottom - box.top) / 2, middle = (box.right - box.left) / 2;
  enum Input { kUpArrow, kDownArrow, kUpKey, kDownKey };
  const struct {
    int start;
    Input input;
    int value;
  } cases[] = {
      {0, kUpArrow, 4},   {8, kUpArrow, 10},   {10, kUpArrow, 10}, {0, kDownArrow, -4},
      {-3, kDownArrow, -5}, {6, kUpKey, 10},   {-2, kDownKey, -5},
  };
  for (const auto& c : cases) {
    spin->SetValue(c.start);
    switch (c.input) {
      case kUpArrow:
      case kDownArrow:
        ClickAt(arrows, middle, c.input == kUpArrow ? half / 2 : half + half / 2);
        break;
      case kUpKey:
      case kDownKey:
        SendMessageW(edit, WM_KEYDOWN, c.input == kUpKey ? VK_UP : VK_DOWN, 0);
        break;
    }
    EXPECT_EQ(spin->Value(), c.value) << c.start << " " << c.input;
    wchar_t text[16] = {};
    GetWindowTextW(edit, text, 16);
    EXPECT_EQ(platform::WideToGbk(text), std::to_string(c.value)) << "the window shows it";
  }
  spin->SetReadOnly(true);
  ClickAt(arrows, middle, half / 2);
  EXPECT_EQ(spin->Value(), -5) << "a read-only spin edit does not step";
  RedrawWindow(shown.form.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  const testing::Picture picture = testing::CaptureWindow(edit);
  testing::SaveScreenshot(picture, "spin_edit_arrows");
  // The picture covers the window, the sunken border around the client area.
  const int border = (picture.width - (client.right - client.left)) / 2;
  int drawn = 0;  // the arrows' frames and glyphs (the theme decides their colours)
  for (int y = box.top; y < box.bottom; ++y) {
    for (int x = box.left; x < box.right; ++x) drawn += picture.Rgb(border + x, border + y) != 0xFFFFFFu;
  }
  EXPECT_GT(drawn, 20) << "the arrows are drawn";
  EXPECT_EQ(picture.Rgb(border + 60, border + 2), 0xFFFFFFu) << "the text area left of them";
}

}  // namespace
}  // namespace ruzi
