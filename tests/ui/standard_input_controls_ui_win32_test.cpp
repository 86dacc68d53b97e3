// The input controls on real windows under Wine, on one form (tests/data/uia_window_scenes.txt):
// a screenshot whose pixels show colour codes, system colours and the form through a transparent
// label; list and combo boxes whose Items and ItemIndex are the system list's (both ways), a radio
// group whose windows keep one mark, a check list box's mark turned by a click in its box, a
// scroll bar paged through its parent, text kept through a new window, and a spin edit's arrows
// beside its text stepping it.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <tuple>

#include "control_script.h"
#include "platform/text_encoding.h"
#include "screenshot.h"
#include "ui_window_pixels_win32.h"
#include "ui/bit_btn.h"
#include "ui/bitmap.h"
#include "ui/check_list_box.h"
#include "ui/combo_box.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/memo.h"
#include "ui/radio_group.h"
#include "ui/scroll_bar.h"
#include "ui/spin_edit.h"

namespace ruzi {
namespace {

using testing::ClickAt;
using testing::Made;
using testing::SystemRgb;

std::string WindowText(HWND window, UINT get_text = 0, int index = 0) {
  wchar_t text[64] = {};
  if (get_text == 0) GetWindowTextW(window, text, 64);
  else SendMessageW(window, get_text, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
  return platform::WideToGbk(text);
}

TEST(StandardInputControlsUi, PixelsItemsChoicesMarksAndStepsAreTheWindows) {
  TForm form;
  form.SetBounds(20, 20, 780, 320);
  form.SetText("输入控件");
  form.SetColor(0x00336699);
  testing::MakeControls(form, "uia_window_scenes.txt", "inputs");
  auto* list = Made<TListBox>(form, "list");
  auto* combo = Made<TComboBox>(form, "combo");
  auto* bit = Made<TBitBtn>(form, "bit");
  auto* rich = Made<TRichEdit>(form, "rich");
  auto* memo = Made<TMemo>(form, "memo");
  TBitmap glyph;
  glyph.SetSize(16, 16);
  glyph.Canvas().Brush().SetColor(0x0000CC00);
  glyph.Canvas().FillRect(TRect{0, 0, 16, 16});
  bit->Glyph().SetGraphic(&glyph);
  int clicks = 0, changes = 0, rich_changes = 0, list_clicks = 0;
  bit->OnClick = testing::Counting(&clicks);
  Made<TEdit>(form, "edit")->OnChange = testing::Counting(&changes);
  rich->OnChange = testing::Counting(&rich_changes);
  form.Show();
  Made<TEdit>(form, "edit")->SetText("输入");
  EXPECT_EQ(changes, 1);
  rich->Lines().Add("行情");
  EXPECT_EQ(rich_changes, 1) << "the rich edit reports its change";
  EXPECT_EQ(rich->Text(), "行情");
  wchar_t name[32] = {};
  GetClassNameW(rich->Handle(), name, 32);
  EXPECT_STREQ(name, L"RichEdit20W");
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
    for (size_t i = 0; i < c.lines.size(); ++i) EXPECT_EQ(WindowText(c.window, c.get_text, static_cast<int>(i)), c.lines[i]);
  }
  list->SetItemIndex(1);
  EXPECT_EQ(SendMessageW(list->Handle(), LB_GETCURSEL, 0, 0), 1);

  const testing::ClientPixels pixels(form);
  testing::SaveScreenshot(pixels.picture, "standard_input_controls");
  RECT selected;
  SendMessageW(list->Handle(), LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&selected));
  HDC dc = GetDC(bit->Handle());
  SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(bit->Handle(), WM_GETFONT, 0, 0)));
  SIZE text;
  GetTextExtentPoint32W(dc, L"确定", 2, &text);
  ReleaseDC(bit->Handle(), dc);
  const TButtonPlaces glyph_at =
      PlaceGlyphAndCaption({100, 30}, {16, 16}, {text.cx, text.cy}, TButtonLayout::blGlyphLeft, -1, 4);
  const struct {
    int x, y;
    uint32_t rgb;
    const char* what;
  } points[] = {
      {152, 12 + selected.top + 2, SystemRgb(COLOR_HIGHLIGHT), "the selected line"},
      {152, 110, SystemRgb(COLOR_WINDOW), "below the lines"},
      {230, 25, 0x6699CC, "the speed button's colour code"},
      {205, 10, SystemRgb(COLOR_BTNHIGHLIGHT), "its raised face: light above"},
      {205, 39, SystemRgb(COLOR_BTNSHADOW), "and dark below"},
      {300, 130, SystemRgb(COLOR_WINDOW), "the memo"},
      {395, 250, 0x996633, "the form"},
      {355, 180, 0x339966, "the panel's colour code"},
      {125, 197, 0x996633, "the form's colour through the transparent label"},
      {265, 222, SystemRgb(COLOR_INFOBK), "the opaque label's system colour"},
      {150, 250, SystemRgb(COLOR_WINDOW), "the edit's clWindow"},
      {200 + glyph_at.GlyphX + 8, 160 + glyph_at.GlyphY + 8, 0x00CC00, "the bit button's glyph"},
      {200 + glyph_at.GlyphX - 2, 160 + glyph_at.GlyphY + 8, SystemRgb(COLOR_BTNFACE), "beside it"},
  };
  for (const auto& p : points) EXPECT_EQ(pixels.At(p.x, p.y), p.rgb) << p.what;
  ClickAt(bit->Handle(), 50, 15);
  EXPECT_EQ(clicks, 1) << "an owner-drawn button still clicks";

  SendMessageW(combo->Handle(), CB_SETCURSEL, 1, 0);
  EXPECT_EQ(combo->ItemIndex(), 1) << "set in the window, read by the control";
  EXPECT_EQ(combo->Text(), "上海");
  list->OnClick = testing::Counting(&list_clicks);
  RECT line;
  SendMessageW(list->Handle(), LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&line));
  ClickAt(list->Handle(), line.left + 5, line.top + 3);
  EXPECT_EQ(list->ItemIndex(), 0) << "a click in the list";
  EXPECT_EQ(list_clicks, 1);
  // A click on a radio button's window chooses its line and leaves one mark.
  auto* group = Made<TRadioGroup>(form, "group");
  for (int pick : {2, 0}) {
    ClickAt(group->Buttons(pick)->Handle(), 5, 5);
    EXPECT_EQ(group->ItemIndex(), pick);
    std::string marks;
    for (int i = 0; i < 3; ++i) marks += SendMessageW(group->Buttons(i)->Handle(), BM_GETCHECK, 0, 0) ? '1' : '0';
    EXPECT_EQ(marks, pick == 2 ? "001" : "100");
  }
  // A check list's mark turns on a click in its box; a click on the text only selects.
  auto* checks = Made<TCheckListBox>(form, "checks");
  SendMessageW(checks->Handle(), LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&line));
  ClickAt(checks->Handle(), line.left + 5, line.top + 5);
  EXPECT_EQ(checks->CheckedText(), "1");
  ClickAt(checks->Handle(), line.left + 60, line.top + 5);
  EXPECT_EQ(checks->CheckedText(), "1");
  EXPECT_EQ(checks->ItemIndex(), 1);
  // A scroll bar's page from its parent's notification; typed text, kept through a new window.
  auto* bar = Made<TScrollBar>(form, "bar");
  EXPECT_EQ(SendMessageW(bar->Handle(), SBM_GETPOS, 0, 0), 30);
  SendMessageW(form.Handle(), WM_HSCROLL, SB_PAGEDOWN, reinterpret_cast<LPARAM>(bar->Handle()));
  EXPECT_EQ(bar->Position(), 31) << "a page of LargeChange 1";
  EXPECT_EQ(SendMessageW(bar->Handle(), SBM_GETPOS, 0, 0), 31);
  SetWindowTextW(memo->Handle(), L"typed\r\nlines");
  EXPECT_EQ(memo->Lines().Count(), 2) << "typed text is seen in the lines";
  memo->SetWordWrap(false);
  EXPECT_EQ(memo->Text(), "typed\r\nlines") << "the text survives a new window";
  combo->SetStyle(TComboBoxStyle::csDropDownList);
  EXPECT_EQ(SendMessageW(combo->Handle(), CB_GETCOUNT, 0, 0), 2);
  EXPECT_EQ(SendMessageW(combo->Handle(), CB_GETCURSEL, 0, 0), 1) << "and the choice a new combo window";

  // The spin edit's arrows lie along its right edge, the text kept clear of them, and step it
  // once each way (the limits and the keys' steps are the native test's).
  auto* spin = Made<TSpinEdit>(form, "spin");
  HWND edit = spin->Handle();
  HWND arrows = FindWindowExW(edit, nullptr, UPDOWN_CLASSW, nullptr);
  ASSERT_NE(arrows, nullptr);
  RECT client, box;
  GetClientRect(edit, &client);
  GetWindowRect(arrows, &box);
  MapWindowPoints(HWND_DESKTOP, edit, reinterpret_cast<POINT*>(&box), 2);
  EXPECT_EQ(box.right, client.right);
  EXPECT_EQ(box.bottom - box.top, client.bottom);
  EXPECT_EQ(HIWORD(SendMessageW(edit, EM_GETMARGINS, 0, 0)), box.right - box.left);
  const int half = (box.bottom - box.top) / 2, middle = (box.right - box.left) / 2;
  for (const auto& [start, y, value] : {std::tuple{8, half / 2, 10}, std::tuple{-3, half + half / 2, -5}}) {
    spin->SetValue(start);
    ClickAt(arrows, middle, y);
    EXPECT_EQ(spin->Value(), value) << start;
    EXPECT_EQ(WindowText(edit), std::to_string(value)) << "the window shows it";
  }
  spin->SetReadOnly(true);
  ClickAt(arrows, middle, half / 2);
  EXPECT_EQ(spin->Value(), -5) << "a read-only spin edit does not step";
}

}  // namespace
}  // namespace ruzi
