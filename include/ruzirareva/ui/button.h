#pragma once
// A push button of the system's class. A click, by the mouse, the keyboard or a call of Click,
// sets its form's ModalResult (when the button has one) and runs OnClick. The form's Enter key
// clicks the Default button unless another button has the focus; Esc clicks the Cancel button.
// User-interface thread only.
#include "ruzirareva/export.h"
#include "ruzirareva/ui/win_control.h"

namespace ruzi {

// Answers a modal form gives: 0 while it runs.
enum TModalResult : int { mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5, mrYes = 6, mrNo = 7 };

class RUZI_API TButton : public TWinControl {
  RUZI_CLASS_RECORD_PUBLISHED(TButton, TWinControl::ClassRecord())

 public:
  explicit TButton(TComponent* owner = nullptr);

  bool Default() const { return default_; }
  void SetDefault(bool value);
  bool Cancel() const { return cancel_; }
  void SetCancel(bool value) { cancel_ = value; }
  int ModalResult() const { return modal_result_; }
  void SetModalResult(int result) { modal_result_ = result; }

  void Click() override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& message) override;

 private:
  bool default_ = false;
  bool cancel_ = false;
  int modal_result_ = mrNone;
};

}  // namespace ruzi
