// A zoom form on a real window: at the screen's 1280 x 1024 (the test display) an auto-zoom form
// grows by 4/3 when first shown, windows and all, and answers "WM_GETRESRATE" (the id the name
// registers in this process) through its window with the factor's address. The designed screen
// leaving a form as it is: the gallery at 1024 x 768.
#include <windows.h>

#include <gtest/gtest.h>

#include "screenshot.h"
#include "ui/res_rate_message.h"
#include "ui/zoom_form.h"

namespace ruzi {
namespace {

TEST(ZoomFormUi, AutoFormGrowsWithItsScreenAtFirstShowAndAnswersItsFactor) {
  if (GetSystemMetrics(SM_CXSCREEN) != 1280 || GetSystemMetrics(SM_CYSCREEN) != 1024) {
    GTEST_SKIP() << "needs a 1280 x 1024 screen";
  }
  TAutoZoomForm form;
  form.SetBounds(10, 10, 400, 200);
  form.SetText("缩放");
  auto* button = new TButton(&form);
  button->SetBounds(100, 60, 90, 30);
  button->SetText("确定");
  button->SetParent(&form);
  const UINT id = RegisterWindowMessageA("WM_GETRESRATE");
  EXPECT_EQ(ResRateMessage(), id);
  form.Show();
  RECT bounds;
  GetWindowRect(button->Handle(), &bounds);
  MapWindowPoints(HWND_DESKTOP, form.Handle(), reinterpret_cast<POINT*>(&bounds), 2);
  EXPECT_EQ((std::vector<LONG>{bounds.left, bounds.top, bounds.right}), (std::vector<LONG>{133, 80, 253}));
  EXPECT_EQ(form.Width(), 534) << "edges 10 and 410 -> 13 and 547";
  EXPECT_EQ(button->Font().Size(), 12);
  const auto* factor = reinterpret_cast<const double*>(SendMessageW(form.Handle(), id, 0, 0));
  ASSERT_NE(factor, nullptr);
  EXPECT_DOUBLE_EQ(*factor, 1024.0 / 768);
  form.SetFResolutionRate(100 * 768.0 / 1024);
  EXPECT_DOUBLE_EQ(*factor, 0.75) << "the address holds each later zoom's factor";
  EXPECT_EQ(SendMessageW(form.Handle(), WM_GETTEXTLENGTH, 0, 0), 2) << "other messages pass on";
  UpdateWindow(form.Handle());
  testing::SaveScreenshot(testing::CaptureWindow(form.Handle()), "zoom_form_1280x1024");
}

}  // namespace
}  // namespace ruzi
