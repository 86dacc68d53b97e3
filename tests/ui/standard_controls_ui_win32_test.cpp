// Simple standard controls on a real form under Wine: a transparent label shows the form
// beneath it, an opaque one its own colour; a panel its colour code; an edit its system colour
// and its text changes through OnChange.
#include <windows.h>

#include <gtest/gtest.h>

#include "screenshot.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/panel.h"

namespace ruzi {
namespace {

uint32_t Rgb(uint32_t colorref) { return (colorref & 0xFF) << 16 | (colorref & 0xFF00) | (colorref >> 16 & 0xFF); }

TEST(StandardControlsUi, LabelsPanelsAndEditsShowTheirColours) {
  TForm form;
  form.SetBounds(30, 30, 320, 200);
  form.SetText("标准控件");
  auto* panel = new TPanel(&form);
  panel->SetBounds(0, 0, 300, 80);
  panel->SetColor(0x00CC9966);
  panel->SetParent(&form);
  form.SetColor(0x00336699);
  auto* clear = new TLabel(&form);
  clear->SetBounds(10, 100, 120, 20);
  clear->SetTransparent(true);
  clear->SetCaption("透明标签");
  auto* opaque = new TLabel(&form);
  opaque->SetBounds(150, 100, 120, 20);
  opaque->SetColor(clInfoBk);
  opaque->SetCaption("不透明");
  clear->SetParent(&form);
  opaque->SetParent(&form);
  auto* edit = new TEdit(&form);
  edit->SetBounds(10, 140, 150, 22);
  edit->SetParent(&form);
  int changes = 0;
  edit->OnChange = TNotifyEvent{[](void* count, TPersistent*) { ++*static_cast<int*>(count); }, &changes};
  form.Show();
  edit->SetText("输入");
  EXPECT_EQ(changes, 1);
  RedrawWindow(form.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  const testing::Picture picture = testing::CaptureWindow(form.Handle());
  testing::SaveScreenshot(picture, "standard_controls");
  RECT frame;
  GetWindowRect(form.Handle(), &frame);
  POINT origin{0, 0};
  ClientToScreen(form.Handle(), &origin);
  auto at = [&](int x, int y) { return picture.Rgb(origin.x - frame.left + x, origin.y - frame.top + y); };
  EXPECT_EQ(at(150, 40), 0x6699CCu) << "the panel's colour code";
  EXPECT_EQ(at(125, 117), 0x996633u) << "the form's colour through the transparent label";
  EXPECT_EQ(at(265, 117), Rgb(GetSysColor(COLOR_INFOBK))) << "the opaque label's system colour";
  EXPECT_EQ(at(150, 150), Rgb(GetSysColor(COLOR_WINDOW))) << "the edit's clWindow";
}

}  // namespace
}  // namespace ruzi
