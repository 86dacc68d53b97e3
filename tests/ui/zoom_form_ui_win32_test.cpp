// Zoom forms on real windows: at the screen's 1280 x 1024 (the test display) an auto-zoom form
// grows by 4/3 when first shown, windows and all; a form managed for 1024 x 768 stays as
// designed; the zoom form answers "WM_GETRESRATE" through its window.
#include <windows.h>

#include <gtest/gtest.h>

#include "screenshot.h"
#include "ui/res_rate_message.h"
#include "ui/zoom_form.h"

namespace ruzi {
namespace {

RECT ChildRect(TWinControl& child) {
  RECT bounds;
  GetWindowRect(child.Handle(), &bounds);
  MapWindowPoints(HWND_DESKTOP, GetParent(child.Handle()), reinterpret_cast<POINT*>(&bounds), 2);
  return bounds;
}

template <typename Form>
void Lay(Form& form, TButton*& button) {
  form.SetBounds(10, 10, 400, 200);
  form.SetText("缩放");
  button = new TButton(&form);
  button->SetBounds(100, 60, 90, 30);
  button->SetText("确定");
  button->SetParent(&form);
}

TEST(ZoomFormUi, AutoFormGrowsWithItsScreenAtFirstShow) {
  if (GetSystemMetrics(SM_CXSCREEN) != 1280 || GetSystemMetrics(SM_CYSCREEN) != 1024) {
    GTEST_SKIP() << "needs a 1280 x 1024 screen";
  }
  TAutoZoomForm form;
  TButton* button;
  Lay(form, button);
  form.Show();
  const RECT bounds = ChildRect(*button);
  EXPECT_EQ(bounds.left, 133);
  EXPECT_EQ(bounds.top, 80);
  EXPECT_EQ(bounds.right, 253);
  EXPECT_EQ(form.Width(), 534) << "edges 10 and 410 -> 13 and 547";
  EXPECT_EQ(button->Font().Size(), 12);
  const auto* factor = reinterpret_cast<const double*>(SendMessageW(form.Handle(), ResRateMessage(), 0, 0));
  ASSERT_NE(factor, nullptr);
  EXPECT_DOUBLE_EQ(*factor, 1024.0 / 768);
  UpdateWindow(form.Handle());
  testing::SaveScreenshot(testing::CaptureWindow(form.Handle()), "zoom_form_1280x1024");
}

TEST(ZoomFormUi, FormManagedForTheDesignedScreenStaysAsDesigned) {
  TManageZoomForm form(nullptr, 1024, 768);
  TButton* button;
  Lay(form, button);
  form.Show();
  const RECT bounds = ChildRect(*button);
  EXPECT_EQ(bounds.left, 100);
  EXPECT_EQ(bounds.right, 190);
  EXPECT_EQ(form.Width(), 400);
  UpdateWindow(form.Handle());
  testing::SaveScreenshot(testing::CaptureWindow(form.Handle()), "zoom_form_1024x768");
}

}  // namespace
}  // namespace ruzi
