// The input controls on real windows under Wine: list and combo boxes whose Items and ItemIndex
// are the system list's (both ways), a radio group whose windows keep one mark, a check list box's mark turned by a click in its box, a
// screenshot whose pixels show colour codes, system colours and the form through a transparent
// label, and a spin edit's arrows stepping it.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <tuple>

#include "platform/text_encoding.h"
#include "screenshot.h"
#include "ui_fixtures.h"
#include "ui_window_pixels_win32.h"
#include "ui/bit_btn.h"
#include "ui/bitmap.h"
#include "ui/check_list_box.h"
#include "ui/combo_box.h"
#include "ui/edit.h"
#include "ui/label.h"
#include "ui/panel.h"
#include "ui/form.h"
#include "ui/memo.h"
#include "ui/radio_group.h"
#include "ui/scroll_bar.h"
#include "ui/speed_button.h"
#include "ui/spin_edit.h"

namespace ruzi {
namespace {

using testing::ClickAt;
using testing::Counting;
using testing::SystemRgb;

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
    return testing::Place<Control>(form, {left, top, left + width, top + height});
  }
};

// The lists' items and choices, a radio group's marks, a check list's box and the state that
// survives a window made anew, all read from the system's windows.
TEST(StandardInputControlsUi, WindowsHoldTheItemsChoicesAndMarks) {
  Shown shown;
  auto* list = shown.Add<TListBox>(10, 10, 150, 120);
  auto* combo = shown.Add<TComboBox>(200, 10, 150, 21);
  auto* group = shown.Add<TRadioGroup>(200, 40, 200, 120);
  auto* checks = shown.Add<TCheckListBox>(10, 140, 150, 60);
  auto* bar = shown.Add<TScrollBar>(10, 210, 200, 17);
  auto* memo = shown.Add<TMemo>(220, 170, 180, 60);
  list->SetItemsText("甲\r\n乙\r\n");
  combo->SetItemsText("上海\r\n");
  group->SetItemsText("上海\r\n深圳\r\n北京\r\n");
  checks->SetItemsText("基金\r\n股票\r\n");
  bar->SetParams(30, 0, 40);
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
  list->OnClick = Counting(&clicks);
  RECT line;
  SendMessageW(list->Handle(), LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&line));
  ClickAt(list->Handle(), line.left + 5, line.top + 3);
  EXPECT_EQ(list->ItemIndex(), 0) << "a click in the list";
  EXPECT_EQ(clicks, 1);
  // A click on a radio button's window chooses its line and leaves one mark.
  for (int pick : {2, 0}) {
    ClickAt(group->Buttons(pick)->Handle(), 5, 5);
    EXPECT_EQ(group->ItemIndex(), pick);
    std::string marks;
    for (int i = 0; i < 3; ++i) marks += SendMessageW(group->Buttons(i)->Handle(), BM_GETCHECK, 0, 0) ? '1' : '0';
    EXPECT_EQ(marks, pick == 2 ? "001" : "100");
  }
  // A check list's mark turns on a click in its box; a click on the text only selects.
  SendMessageW(checks->Handle(), LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&line));
  ClickAt(checks->Handle(), line.left + 5, line.top + 5);
  EXPECT_EQ(checks->CheckedText(), "1");
  ClickAt(checks->Handle(), line.left + 60, line.top + 5);
  EXPECT_EQ(checks->CheckedText(), "1");
  EXPECT_EQ(checks->ItemIndex(), 1);
  // A scroll bar's page from its parent's notification; typed text, kept through a new window.
  EXPECT_EQ(SendMessageW(bar->Handle(), SBM_GETPOS, 0, 0), 30);
  SendMessageW(shown.form.Handle(), WM_HSCROLL, SB_PAGEDOWN, reinterpret_cast<LPARAM>(bar->Handle()));
  EXPECT_EQ(bar->Position(), 31) << "a page of LargeChange 1";
  EXPECT_EQ(SendMessageW(bar->Handle(), SBM_GETPOS, 0, 0), 31);
  SetWindowTextW(memo->Handle(), L"typed\r\nlines");
  EXPECT_EQ(memo->Lines().Count(), 2) << "typed text is seen in the lines";
  memo->SetWordWrap(false);
  EXPECT_EQ(memo->Text(), "typed\r\nlines") << "the text survives a new window";
  combo->SetStyle(TComboBoxStyle::csDropDownList);
  EXPECT_EQ(SendMessageW(combo->Handle(), CB_GETCOUNT, 0, 0), 2);
  EXPECT_EQ(SendMessageW(combo->Handle(), CB_GETCURSEL, 0, 0), 1) << "and the choice a new combo window";
}

TEST(StandardInputControlsUi, ScreenshotShowsColourCodesSystemColoursAndTransparentLabels) {
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
  bit->OnClick = Counting(&clicks);
  auto* check = shown.Add<TCheckBox>(10, 150, 120, 20);
  check->SetCaption("选中");
  check->SetChecked(true);
  shown.Add<TPanel>(310, 160, 90, 40)->SetColor(0x00669933);
  auto* clear = shown.Add<TLabel>(10, 180, 120, 20);
  clear->SetTransparent(true);
  clear->SetCaption("透明标签");
  auto* opaque = shown.Add<TLabel>(150, 205, 120, 20);
  opaque->SetColor(clInfoBk);
  opaque->SetCaption("不透明");
  auto* edit = shown.Add<TEdit>(10, 240, 150, 22);
  auto* rich = shown.Add<TRichEdit>(310, 210, 90, 20);
  int changes = 0, rich_changes = 0;
  edit->OnChange = Counting(&changes);
  rich->OnChange = Counting(&rich_changes);
  shown.form.Show();
  edit->SetText("输入");
  EXPECT_EQ(changes, 1);
  rich->Lines().Add("行情");
  EXPECT_EQ(rich_changes, 1) << "the rich edit reports its change";
  EXPECT_EQ(rich->Text(), "行情");
  wchar_t name[32] = {};
  GetClassNameW(rich->Handle(), name, 32);
  EXPECT_STREQ(name, L"RichEdit20W");
  const testing::ClientPixels pixels(shown.form);
  testing::SaveScreenshot(pixels.picture, "standard_input_controls");
  auto at = [&](int x, int y) { return pixels.At(x, y); };
  RECT selected;
  SendMessageW(list->Handle(), LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&selected));
  EXPECT_EQ(at(10 + 2 + 140, 10 + 2 + selected.top + 2), SystemRgb(COLOR_HIGHLIGHT)) << "the selected line";
  EXPECT_EQ(at(10 + 2 + 140, 10 + 100), SystemRgb(COLOR_WINDOW)) << "below the lines";
  EXPECT_EQ(at(230, 25), 0x6699CCu) << "the speed button's colour code";
  EXPECT_EQ(at(205, 10), SystemRgb(COLOR_BTNHIGHLIGHT)) << "its raised face: light above";
  EXPECT_EQ(at(205, 39), SystemRgb(COLOR_BTNSHADOW)) << "and dark below";
  EXPECT_EQ(at(300, 130), SystemRgb(COLOR_WINDOW)) << "the memo";
  EXPECT_EQ(at(395, 250), 0x996633u) << "the form";
  EXPECT_EQ(at(355, 180), 0x339966u) << "the panel's colour code";
  EXPECT_EQ(at(125, 197), 0x996633u) << "the form's colour through the transparent label";
  EXPECT_EQ(at(265, 222), SystemRgb(COLOR_INFOBK)) << "the opaque label's system colour";
  EXPECT_EQ(at(150, 250), SystemRgb(COLOR_WINDOW)) << "the edit's clWindow";
  HDC dc = GetDC(bit->Handle());
  SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(bit->Handle(), WM_GETFONT, 0, 0)));
  SIZE text;
  GetTextExtentPoint32W(dc, L"确定", 2, &text);
  ReleaseDC(bit->Handle(), dc);
  const TButtonPlaces places =
      PlaceGlyphAndCaption({100, 30}, {16, 16}, {text.cx, text.cy}, TButtonLayout::blGlyphLeft, -1, 4);
  EXPECT_EQ(at(200 + places.GlyphX + 8, 160 + places.GlyphY + 8), 0x00CC00u) << "the bit button's glyph";
  EXPECT_EQ(at(200 + places.GlyphX - 2, 160 + places.GlyphY + 8), SystemRgb(COLOR_BTNFACE)) << "beside it";
  ClickAt(bit->Handle(), 50, 15);
  EXPECT_EQ(clicks, 1) << "an owner-drawn button still clicks";
}

TEST(StandardInputControlsUi, SpinEditArrowsSitBesideTheTextAndStepWithinTheLimits) {
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
  // One step each way by the arrows (the limits and the keys' steps are the native test's).
  for (const auto& [start, y, value] : {std::tuple{8, half / 2, 10}, std::tuple{-3, half + half / 2, -5}}) {
    spin->SetValue(start);
    ClickAt(arrows, middle, y);
    EXPECT_EQ(spin->Value(), value) << start;
    wchar_t text[16] = {};
    GetWindowTextW(edit, text, 16);
    EXPECT_EQ(platform::WideToGbk(text), std::to_string(value)) << "the window shows it";
  }
  spin->SetReadOnly(true);
  ClickAt(arrows, middle, half / 2);
  EXPECT_EQ(spin->Value(), -5) << "a read-only spin edit does not step";
}

}  // namespace
}  // namespace ruzi
