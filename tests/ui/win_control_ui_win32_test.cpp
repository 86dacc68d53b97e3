// Windowed controls on real windows under Wine: painting read back as pixels (into the window
// and into a DC given in WParam), notifications reflected to the child that sent them, graphic
// children fed the mouse, mouse enter and leave, and controls put into (and moved between)
// windows that are already shown. (A WindowProc replaced through the real window procedure is
// ApplicationUi's; the order replacements come out in, the native Control test's.)
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "control_script.h"
#include "message_pump.h"
#include "screenshot.h"
#include "ui_fixtures.h"
#include "ui_window_pixels_win32.h"
#include "ui/button.h"
#include "ui/control_messages.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/graphic_control.h"
#include "ui/label.h"
#include "ui/panel.h"
#include "ui/win_control.h"

namespace ruzi {
namespace {

// Fills its client area with one colour and notes the messages it gets.
template <typename Base>
class Swatch : public Base {
 public:
  Swatch(TColor color) : color_(color) {}
  std::vector<uint32_t> seen;

 protected:
  void Paint() override {
    this->Canvas().Brush().SetColor(color_);
    this->Canvas().FillRect(TRect{0, 0, this->Width(), this->Height()});
  }
  void WndProc(TMessage& message) override {
    seen.push_back(message.Msg);
    Base::WndProc(message);
  }

 private:
  TColor color_;
};

// A push button of the system's class.
class SystemButton : public TWinControl {
 public:
  std::vector<uint32_t> seen;

 protected:
  void CreateParams(TCreateParams& params) override {
    TWinControl::CreateParams(params);
    params.SystemClass = "BUTTON";
    params.Style |= BS_PUSHBUTTON;
  }
  void WndProc(TMessage& message) override {
    if (message.Msg >= CN_BASE) seen.push_back(message.Msg);
    TWinControl::WndProc(message);
  }
};

struct Scene {
  TWinControl form;
  Swatch<TCustomControl>* blue = new Swatch<TCustomControl>(clBlue);
  Swatch<TGraphicControl>* green = new Swatch<TGraphicControl>(clLime);
  SystemButton* button = new SystemButton;

  Scene() {
    form.SetBounds(50, 50, 240, 180);
    form.SetColor(clRed);
    form.SetText("控件");
    blue->SetBounds(10, 10, 60, 40);
    green->SetBounds(100, 10, 50, 30);
    button->SetBounds(10, 100, 80, 25);
    button->SetText("确定");
    for (TControl* c : {static_cast<TControl*>(blue), static_cast<TControl*>(green), static_cast<TControl*>(button)}) {
      c->SetParent(&form);
    }
    ShowWindow(form.Handle(), SW_SHOWNA);
    UpdateWindow(form.Handle());
  }
};

TEST(WinControlUi, ChildrenPaintHearTheirNotificationsAndTheMouseAndPropertiesReachTheWindow) {
  Scene scene;
  HWND form = scene.form.Handle();
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(GetParent(scene.blue->Handle()), form);
  const testing::ClientPixels pixels(form);
  testing::SaveScreenshot(pixels.picture, "win_control_scene");
  EXPECT_EQ(pixels.At(200, 150), 0xFF0000u) << "the form's Color";
  EXPECT_EQ(pixels.At(30, 30), 0x0000FFu) << "a custom control's Paint";
  EXPECT_EQ(pixels.At(120, 20), 0x00FF00u) << "a graphic control painted by its parent";
  EXPECT_EQ(pixels.At(155, 20), 0xFF0000u) << "clipped to the graphic control's bounds";
  // Painted again into a DC given in WParam.
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 240, 180);
  HGDIOBJ old = SelectObject(memory, bitmap);
  EXPECT_EQ(SendMessageW(form, WM_ERASEBKGND, reinterpret_cast<WPARAM>(memory), 0), 1);
  SendMessageW(form, WM_PAINT, reinterpret_cast<WPARAM>(memory), 0);
  EXPECT_EQ(GetPixel(memory, 5, 5), RGB(255, 0, 0));
  EXPECT_EQ(GetPixel(memory, 120, 20), RGB(0, 255, 0)) << "the graphic child went into the given DC";
  SendMessageW(scene.blue->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(memory), 0);
  EXPECT_EQ(GetPixel(memory, 5, 5), RGB(0, 0, 255)) << "the custom control painted at the DC's origin";
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  // A system button's click comes back to it as CN_COMMAND.
  int clicks = 0;
  scene.button->OnClick = testing::Counting(&clicks);
  SendMessageW(scene.button->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(std::count(scene.button->seen.begin(), scene.button->seen.end(), CN_COMMAND), 1);
  EXPECT_EQ(clicks, 0) << "a system button's clicks come as CN_COMMAND, not from the mouse";
  // The colour question of a child is answered by the child: its Color as the brush.
  scene.button->SetColor(clYellow);
  HDC dc = GetDC(scene.button->Handle());
  auto brush = reinterpret_cast<HBRUSH>(SendMessageW(form, WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc),
                                                     reinterpret_cast<LPARAM>(scene.button->Handle())));
  LOGBRUSH description{};
  ASSERT_NE(brush, nullptr);
  GetObjectW(brush, sizeof description, &description);
  EXPECT_EQ(description.lbColor, RGB(255, 255, 0));
  EXPECT_EQ(GetBkColor(dc), RGB(255, 255, 0));
  ReleaseDC(scene.button->Handle(), dc);
  // The graphic child gets the mouse from its parent, and hears it come and go.
  clicks = 0;
  scene.green->OnClick = testing::Counting(&clicks);
  scene.green->seen.clear();
  SendMessageW(form, WM_MOUSEMOVE, 0, MAKELPARAM(110, 20));
  SendMessageW(form, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(110, 20));
  SendMessageW(form, WM_LBUTTONUP, 0, MAKELPARAM(120, 25));
  EXPECT_EQ(clicks, 1);
  SendMessageW(form, WM_MOUSEMOVE, 0, MAKELPARAM(200, 150));
  const std::vector<uint32_t> expected = {CM_MOUSEENTER, WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, CM_MOUSELEAVE};
  std::vector<uint32_t> mouse;
  for (uint32_t msg : scene.green->seen) {
    if (msg != WM_PAINT) mouse.push_back(msg);
  }
  EXPECT_EQ(mouse, expected);
  // Properties reach the window, and the window's changes the control.
  HWND button = scene.button->Handle();
  scene.button->SetBounds(20, 110, 90, 30);
  RECT bounds;
  GetWindowRect(button, &bounds);
  MapWindowPoints(HWND_DESKTOP, form, reinterpret_cast<POINT*>(&bounds), 2);
  EXPECT_EQ(bounds.left, 20);
  EXPECT_EQ(bounds.bottom, 140);
  wchar_t text[16] = {};
  GetWindowTextW(button, text, 16);
  EXPECT_STREQ(text, L"确定");
  SetWindowTextW(button, L"取消");
  EXPECT_EQ(scene.button->Caption(), "取消") << "read from the window";
  scene.button->SetEnabled(false);
  EXPECT_FALSE(IsWindowEnabled(button));
  scene.button->SetVisible(false);
  EXPECT_FALSE(IsWindowVisible(button));
  // Resized from outside: the bounds follow, and the children realign.
  scene.blue->SetAlign(TAlign::alBottom);
  SetWindowPos(form, nullptr, 0, 0, 300, 200, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_EQ(scene.form.Width(), 300);
  EXPECT_EQ(scene.blue->BoundsRect().Bottom, scene.form.ClientRect().Bottom);
  EXPECT_EQ(scene.blue->Width(), scene.form.ClientRect().Width());
}

// The screen's colour at a point of a control's client area, after the paints the changes
// themselves asked for (nothing is invalidated here).
uint32_t ScreenPixel(TWinControl& control, int x, int y) {
  testing::PumpMessages();
  return testing::ClientPixels(control, false).At(x, y);
}

TEST(WinControlUi, ControlsPutInAShownParentGetTheirWindowThereAndShow) {
  TForm form;
  form.SetBounds(60, 60, 320, 200);
  form.SetColor(clRed);  // what a control that is not painted leaves
  form.Show();
  ASSERT_TRUE(form.HandleAllocated());
  // Each control's place shows its Color: its own window's paint, or its parent's for a label.
  testing::MakeControls(form, "uia_window_scenes.txt", "shown");
  for (int i = 0; i < form.ControlCount(); ++i) {
    TControl* control = form.Controls(i);
    const std::string name = control->Name();
    if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
      ASSERT_TRUE(windowed->HandleAllocated()) << name;
      EXPECT_EQ(GetParent(windowed->Handle()), form.Handle()) << name;
      EXPECT_TRUE(IsWindowVisible(windowed->Handle())) << name;
    }
    const TRect bounds = control->BoundsRect();
    EXPECT_EQ(ScreenPixel(form, bounds.Left + 5, (bounds.Top + bounds.Bottom) / 2), testing::RgbOf(ColorToRGB(control->Color()))) << name;
  }
  auto* left = testing::Made<TPanel>(form, "left");
  auto* right = testing::Made<TPanel>(form, "right");
  auto* moving = testing::Place<TPanel>(*left, {10, 10, 60, 60}, &form);
  moving->SetColor(clBlue);
  // A window moved from one shown panel to another is the same window, in the other panel.
  const HWND window = moving->Handle();
  EXPECT_EQ(GetParent(window), left->Handle());
  EXPECT_EQ(ScreenPixel(*left, 30, 30), 0x0000FFu);
  moving->SetParent(right);
  EXPECT_EQ(moving->Handle(), window);
  EXPECT_EQ(GetParent(window), right->Handle());
  EXPECT_EQ(ScreenPixel(*right, 30, 30), 0x0000FFu) << "shown at its bounds in the new parent";
  EXPECT_EQ(ScreenPixel(*left, 30, 30), 0xFFFF00u) << "gone from the old one";
  testing::SaveScreenshot(testing::CaptureWindow(form.Handle()), "win_control_added_when_shown");
  // Taken out of every parent: its window goes (it is made again, top-level, when asked for).
  moving->SetText("留下");
  moving->SetParent(nullptr);
  EXPECT_FALSE(moving->HandleAllocated());
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(ScreenPixel(*right, 30, 30), 0x00FFFFu);
  EXPECT_EQ(moving->Text(), "留下") << "its text outlives the window";
  delete moving;
}

}  // namespace
}  // namespace ruzi
