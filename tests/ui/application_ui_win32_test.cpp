// The application's loop under Wine: it runs until the main form closes, dialog keys and all,
// and exceptions from window procedures reach OnException instead of crossing them. (The screen's
// size shows in the gallery, zoomed by it at 1280 x 1024.)
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

}  // namespace
}  // namespace ruzi
