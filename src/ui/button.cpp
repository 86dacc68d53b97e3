#include "ui/button.h"

#include <iterator>

#include "ui/control_messages.h"
#include "ui/form.h"

namespace ruzi {
namespace {

constexpr uint32_t kPushButton = 0x0, kDefPushButton = 0x1;  // BS_PUSHBUTTON, BS_DEFPUSHBUTTON
constexpr unsigned kEnterKey = 0x0D, kEscapeKey = 0x1B;
constexpr uintptr_t kClickedNotification = 0;  // BN_CLICKED

}  // namespace

const TPropertyTable* TButton::PublishedTable() {
  static const TPropertyInfo properties[] = {Published<&TButton::Cancel, &TButton::SetCancel>("Cancel"),
                                             Published<&TButton::Default, &TButton::SetDefault>("Default"),
                                             Published<&TButton::ModalResult, &TButton::SetModalResult>("ModalResult")};
  static const TPropertyTable table{properties, std::size(properties), nullptr, 0};
  return &table;
}

TButton::TButton(TComponent* owner) : TWinControl(owner) {
  SetTabStop(true);
  SetBounds(0, 0, 75, 25);
}

void TButton::SetDefault(bool value) {
  if (value == default_) return;
  default_ = value;
  if (HandleAllocated()) {
    DestroyHandle();
    Handle();
  }
}

void TButton::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.SystemClass = "BUTTON";
  params.Style |= default_ ? kDefPushButton : kPushButton;
}

void TButton::Click() {
  if (modal_result_ != mrNone) {
    if (TCustomForm* form = GetParentForm(this)) form->SetModalResult(modal_result_);
  }
  TWinControl::Click();
}

void TButton::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CM_DIALOGKEY:
      if (((message.WParam == kEnterKey && default_) || (message.WParam == kEscapeKey && cancel_)) && Enabled() &&
          Visible()) {
        Click();
        message.Result = 1;
        return;
      }
      break;
    case CN_COMMAND:
      if ((message.WParam >> 16) == kClickedNotification) {
        Click();
        return;
      }
      break;
    default:
      break;
  }
  TWinControl::WndProc(message);
}

}  // namespace ruzi
