// Forms on real windows: a modal form driven by input posted to its message queue while its own
// loop runs (Enter on a focused button and on another control, Tab round the controls, Esc, the
// close box), owners disabled meanwhile, a QX form stepping aside and back inside its loop, a
// form released from its own handler freed only after its loop; the application's loop runs
// until the main form closes, and exceptions from window procedures reach OnException instead
// of crossing them; every registered class made by name through the C API on a form (the C
// host, ui_c_host.c, builds and answers a form through the C API alone); at the screen's
// 1280 x 1024 (the test display) an auto-zoom form grows by 4/3 when first shown, windows and
// all, and answers "WM_GETRESRATE" through its window with the factor's address (the designed
// screen leaving a form as it is: the gallery at 1024 x 768).
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <vector>

#include "error_text.h"
#include "foundation/class_registry.h"
#include "screenshot.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/qx_form.h"
#include "ui/res_rate_message.h"
#include "ui/ui_c_api.h"
#include "ui/ui_classes.h"
#include "ui/zoom_form.h"
#include "ui_fixtures.h"

namespace ruzi {
namespace {

// Steps run one per timer tick inside the modal loop.
std::vector<std::function<void()>> script;
size_t next_step = 0;
TCustomForm* scripted_form = nullptr;
constexpr int kGaveUp = 99;

void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
  if (next_step < script.size()) {
    script[next_step++]();
  } else if (++next_step > script.size() + 30) {
    scripted_form->SetModalResult(kGaveUp);  // the script did not end the loop: fail, not hang
  }
}

// The key goes to the control the form holds active: with tests running side by side another
// process may hold the system's focus.
void PostKey(WPARAM key) {
  TWinControl* active = scripted_form->ActiveControl();
  HWND focus = active != nullptr ? active->Handle() : scripted_form->Handle();
  PostMessageW(focus, WM_KEYDOWN, key, 1);
  PostMessageW(focus, WM_KEYUP, key, 0xC0000001);
}

// Runs the form modally with the script; answers the modal result.
int RunScripted(TCustomForm& form, std::vector<std::function<void()>> steps) {
  script = std::move(steps);
  next_step = 0;
  scripted_form = &form;
  const UINT_PTR timer = SetTimer(nullptr, 0, 30, &Tick);
  const int result = form.ShowModal();
  KillTimer(nullptr, timer);
  return result;
}

struct Dialog {
  TForm form;
  TButton* other = Button("其他", 10, mrNone);
  TButton* ok = Button("确定", 100, mrOk);
  TButton* cancel = Button("取消", 190, mrCancel);
  int other_clicks = 0;

  Dialog() {
    form.SetText("对话框");
    form.SetBounds(100, 100, 300, 120);
    form.SetBorderStyle(TFormBorderStyle::bsDialog);
    other->OnClick = testing::Counting(&other_clicks);
    ok->SetDefault(true);
    cancel->SetCancel(true);
  }
  TButton* Button(const char* text, int left, int result) {
    auto* button = testing::Place<TButton>(form, {left, 40, left + 80, 65});
    button->SetText(text);
    button->SetModalResult(result);
    return button;
  }
};

TEST(FormUi, EnterClicksTheFocusedButtonTabGoesRoundEscCancels) {
  Dialog dialog;
  dialog.form.SetActiveControl(dialog.other);
  std::vector<TButton*> focus;
  auto record = [&] { focus.push_back(dynamic_cast<TButton*>(dialog.form.ActiveControl())); };
  auto shot = [&] {
    testing::SaveScreenshot(testing::CaptureWindow(dialog.form.Handle()), "modal_dialog");
  };
  const int result = RunScripted(dialog.form, {record, shot, [] { PostKey(VK_RETURN); }, [] { PostKey(VK_TAB); }, record,
                                               [] { PostKey(VK_TAB); }, record, [] { PostKey(VK_TAB); }, record,
                                               [] { PostKey(VK_ESCAPE); }});
  EXPECT_EQ(result, mrCancel);
  EXPECT_EQ(dialog.other_clicks, 1) << "Enter on a focused button clicks it, not the default one";
  EXPECT_EQ(focus, (std::vector<TButton*>{dialog.other, dialog.ok, dialog.cancel, dialog.other}));
  EXPECT_FALSE(dialog.form.Visible());
}

TEST(FormUi, EnterElsewhereClicksTheDefaultButton) {
  Dialog dialog;
  auto* field = new TWinControl(&dialog.form);  // takes the focus, is no button
  field->SetTabStop(true);
  field->SetBounds(10, 5, 100, 20);
  field->SetParent(&dialog.form);
  dialog.form.SetActiveControl(field);
  EXPECT_EQ(RunScripted(dialog.form, {[] { PostKey(VK_RETURN); }}), mrOk);
  EXPECT_EQ(dialog.other_clicks, 0);
}

TEST(FormUi, CloseBoxCancelsAndOwnersAreDisabledMeanwhile) {
  TForm owner;
  owner.SetBounds(0, 0, 200, 100);
  owner.Show();
  Dialog dialog;
  BOOL owner_enabled_inside = TRUE;
  const int result = RunScripted(dialog.form, {[&] { owner_enabled_inside = IsWindowEnabled(owner.Handle()); },
                                               [&] { PostMessageW(dialog.form.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0); }});
  EXPECT_EQ(result, mrCancel);
  EXPECT_FALSE(owner_enabled_inside);
  EXPECT_TRUE(IsWindowEnabled(owner.Handle()));
  EXPECT_EQ(testing::ErrorOf([&] { owner.ShowModal(); }), "Cannot make a visible window modal");
}

struct Tracked : TForm {
  bool* freed;
  explicit Tracked(bool* flag) : freed(flag) {}
  ~Tracked() override { *freed = true; }
};

TEST(FormUi, ReleasedInItsOwnHandlerTheFormGoesAfterItsLoop) {
  bool freed = false;
  auto* form = new Tracked(&freed);
  auto* button = testing::Place<TButton>(*form, {10, 10, 90, 35});
  button->SetModalResult(mrOk);
  button->OnClick = TNotifyEvent{[](void* form, TPersistent*) { static_cast<TCustomForm*>(form)->Release(); }, form};
  EXPECT_EQ(RunScripted(*form, {[&] { SendMessageW(button->Handle(), BM_CLICK, 0, 0); }}), mrOk);
  EXPECT_FALSE(freed) << "still there when ShowModal returns";
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  EXPECT_TRUE(freed);
}

TEST(FormUi, AQxFormStepsAsideAndComesBackInsideItsModalLoop) {
  TQXForm owner;
  owner.SetBounds(50, 50, 300, 200);
  owner.Show();
  auto* modal = new TQXForm(&owner);
  modal->SetBounds(80, 80, 200, 120);
  std::string seen;  // at each look: the owner enabled or disabled, the form visible or hidden
  const auto look = [&] { seen += std::string(IsWindowEnabled(owner.Handle()) ? "E" : "d") + (IsWindowVisible(modal->Handle()) ? "V " : "h "); };
  bool active_again = false;
  EXPECT_EQ(RunScripted(*modal, {look, [&] { modal->SetFormVisible(false); }, look,
                                 [&] {
                                   modal->SetFormVisible(true);
                                   active_again = GetActiveWindow() == modal->Handle();
                                 },
                                 look, [&] { modal->SetModalResult(mrOk); }}),
            mrOk);
  EXPECT_EQ(seen, "dV dh dV ") << "the owner disabled while the form is hidden too";
  EXPECT_TRUE(active_again);
  EXPECT_TRUE(IsWindowEnabled(owner.Handle()));
  EXPECT_FALSE(modal->Visible());
}

void ThrowOnApp(void* form, TMessage& message) {
  if (message.Msg == WM_APP) throw std::runtime_error("处理出错");
  static_cast<TForm*>(form)->WindowProc().CallPrevious(TWndMethod{&ThrowOnApp, form}, message);
}

TEST(ApplicationUi, RunEndsWhenTheMainFormClosesAndExceptionsReachOnException) {
  TForm form;
  form.SetText("主窗体");
  form.WindowProc().Replace(TWndMethod{&ThrowOnApp, &form});
  std::string reported;
  Application()->SetTitle("测试");
  Application()->SetMainForm(&form);
  Application()->SetOnException(TUiExceptionEvent{
      [](void* text, const std::exception& error) { *static_cast<std::string*>(text) = error.what(); }, &reported});
  PostMessageW(form.Handle(), WM_APP, 0, 0);  // throws in the form's handler
  PostMessageW(form.Handle(), WM_CLOSE, 0, 0);
  Application()->Run();
  EXPECT_TRUE(Application()->Terminated());
  EXPECT_FALSE(form.Visible());
  EXPECT_EQ(reported, "处理出错");
  Application()->SetOnException({});
  Application()->SetMainForm(nullptr);
  form.WindowProc().Restore(TWndMethod{&ThrowOnApp, &form});
  EXPECT_EQ(SendMessageW(form.Handle(), WM_APP, 0, 0), 0) << "restored: the window answers as before";
  EXPECT_EQ(SendMessageW(form.Handle(), WM_GETTEXTLENGTH, 0, 0), 3);
}

TEST(UiCApi, EveryRegisteredClassIsMadeByNameOnAForm) {
  RegisterUiClasses();
  RuziUiObject form = RuziUiCreate("TForm", nullptr);
  ASSERT_NE(form, nullptr);
  for (const TClassRecord* record : RegisteredClasses()) {
    RuziUiObject made = RuziUiCreate(record->Name, form);
    EXPECT_NE(made, nullptr) << record->Name << ": " << RuziUiLastError();
    char name[64];
    EXPECT_GT(RuziUiGetProp(made, "Name", name, sizeof name), -1) << record->Name;
    EXPECT_TRUE(RuziUiSetProp(made, "Tag", "7")) << record->Name;
  }
  EXPECT_NE(RuziUiHandle(form), nullptr) << "every window made with the form's";
  EXPECT_TRUE(RuziUiFree(form));
}

TEST(ZoomFormUi, AutoFormGrowsWithItsScreenAtFirstShowAndAnswersItsFactor) {
  if (GetSystemMetrics(SM_CXSCREEN) != 1280 || GetSystemMetrics(SM_CYSCREEN) != 1024) {
    GTEST_SKIP() << "needs a 1280 x 1024 screen";
  }
  TAutoZoomForm form;
  form.SetBounds(10, 10, 400, 200);
  form.SetText("缩放");
  auto* button = testing::Place<TButton>(form, {100, 60, 190, 90});
  button->SetText("确定");
  const UINT id = RegisterWindowMessageA("WM_GETRESRATE");
  EXPECT_EQ(ResRateMessage(), id);
  form.Show();
  RECT bounds;
  GetWindowRect(button->Handle(), &bounds);
  MapWindowPoints(HWND_DESKTOP, form.Handle(), reinterpret_cast<POINT*>(&bounds), 2);
  EXPECT_EQ((std::vector<LONG>{bounds.left, bounds.top, bounds.right}), (std::vector<LONG>{133, 80, 253}));
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
