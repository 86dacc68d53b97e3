// A modal form driven by input posted to its message queue while its own loop runs: Enter on a
// focused button and on another control, Tab round the controls, Esc, the close box; owners
// disabled meanwhile; a form released from its own handler freed only after its loop.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>

#include "error_text.h"
#include "screenshot.h"
#include "ui/form.h"

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

int Counter(void* count, TPersistent*) { return ++*static_cast<int*>(count); }

struct Dialog {
  TForm form;
  TButton* other = new TButton(&form);
  TButton* ok = new TButton(&form);
  TButton* cancel = new TButton(&form);
  int other_clicks = 0;

  Dialog() {
    form.SetText("对话框");
    form.SetBounds(100, 100, 300, 120);
    form.SetBorderStyle(TFormBorderStyle::bsDialog);
    other->SetText("其他");
    other->SetBounds(10, 40, 80, 25);
    other->OnClick = TNotifyEvent{[](void* count, TPersistent* sender) { Counter(count, sender); }, &other_clicks};
    ok->SetText("确定");
    ok->SetBounds(100, 40, 80, 25);
    ok->SetDefault(true);
    ok->SetModalResult(mrOk);
    cancel->SetText("取消");
    cancel->SetBounds(190, 40, 80, 25);
    cancel->SetCancel(true);
    cancel->SetModalResult(mrCancel);
    for (TButton* button : {other, ok, cancel}) button->SetParent(&form);
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
  auto* button = new TButton(form);
  button->SetParent(form);
  button->SetModalResult(mrOk);
  button->OnClick = TNotifyEvent{[](void* form, TPersistent*) { static_cast<TCustomForm*>(form)->Release(); }, form};
  EXPECT_EQ(RunScripted(*form, {[&] { SendMessageW(button->Handle(), BM_CLICK, 0, 0); }}), mrOk);
  EXPECT_FALSE(freed) << "still there when ShowModal returns";
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  EXPECT_TRUE(freed);
}

}  // namespace
}  // namespace ruzi
