// The application's loop under Wine: it runs until the main form closes, dialog keys and all,
// exceptions from window procedures reach OnException, and the screen reports the display.
#include <windows.h>

#include <gtest/gtest.h>

#include <stdexcept>

#include "ui/application.h"
#include "ui/form.h"

namespace ruzi {
namespace {

TForm* main_form = nullptr;

void CALLBACK CloseMainForm(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  PostMessageW(main_form->Handle(), WM_APP, 0, 0);  // throws in the form's handler
  PostMessageW(main_form->Handle(), WM_CLOSE, 0, 0);
}

void ThrowOnApp(void*, TMessage& message) {
  if (message.Msg == WM_APP) throw std::runtime_error("处理出错");
  main_form->WindowProc().CallPrevious(TWndMethod{&ThrowOnApp, nullptr}, message);
}

TEST(ApplicationUi, RunEndsWhenTheMainFormClosesAndExceptionsReachOnException) {
  TForm form;
  main_form = &form;
  form.SetText("主窗体");
  form.WindowProc().Replace(TWndMethod{&ThrowOnApp, nullptr});
  std::string reported;
  Application()->SetTitle("测试");
  Application()->SetMainForm(&form);
  Application()->SetOnException(TUiExceptionEvent{
      [](void* text, const std::exception& error) { *static_cast<std::string*>(text) = error.what(); }, &reported});
  SetTimer(nullptr, 0, 50, &CloseMainForm);
  Application()->Run();
  EXPECT_TRUE(Application()->Terminated());
  EXPECT_FALSE(form.Visible());
  EXPECT_EQ(reported, "处理出错");
  Application()->SetOnException({});
  Application()->SetMainForm(nullptr);
  form.WindowProc().Restore(TWndMethod{&ThrowOnApp, nullptr});
}

TEST(ApplicationUi, ScreenReportsTheDisplay) {
  EXPECT_EQ(Screen()->Width(), GetSystemMetrics(SM_CXSCREEN));
  EXPECT_EQ(Screen()->Height(), GetSystemMetrics(SM_CYSCREEN));
  const std::vector<TMonitor> monitors = Screen()->Monitors();
  ASSERT_GE(monitors.size(), 1u);
  int primaries = 0;
  for (const TMonitor& monitor : monitors) primaries += monitor.Primary;
  EXPECT_EQ(primaries, 1);
  TForm form;
  form.SetBounds(20, 20, 100, 100);
  form.Show();
  const TMonitor monitor = Screen()->MonitorOf(form);
  EXPECT_TRUE(monitor.Primary);
  EXPECT_EQ(monitor.BoundsRect, (TRect{0, 0, Screen()->Width(), Screen()->Height()}));
}

}  // namespace
}  // namespace ruzi
