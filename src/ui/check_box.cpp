#include "ui/check_box.h"

#include <iterator>

#include "ui/control_messages.h"

namespace ruzi {
namespace {

constexpr uint32_t kSetCheck = 0x00F1;       // BM_SETCHECK
constexpr uintptr_t kClickedNotification = 0;  // BN_CLICKED

}  // namespace

TButtonControl::TButtonControl(TComponent* owner) : TWinControl(owner) {
  SetTabStop(true);
  SetBounds(0, 0, 97, 17);
}

void TButtonControl::MarkChanged() {
  if (HandleAllocated()) Perform(kSetCheck, static_cast<uintptr_t>(CheckValue()));
  Click();
}

void TButtonControl::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.SystemClass = "BUTTON";
  params.Style |= ButtonStyle();
}

void TButtonControl::CreateWnd() {
  TWinControl::CreateWnd();
  if (HandleAllocated()) Perform(kSetCheck, static_cast<uintptr_t>(CheckValue()));
}

void TButtonControl::WndProc(TMessage& message) {
  if (message.Msg == CN_COMMAND && (message.WParam >> 16) == kClickedNotification) {
    Toggle();
    return;
  }
  TWinControl::WndProc(message);
}

const TPropertyTable* TCustomCheckBox::PublishedTable() {
  static const TPropertyInfo properties[] = {
      Published<&TCustomCheckBox::AllowGrayed, &TCustomCheckBox::SetAllowGrayed>("AllowGrayed"),
      Published<&TCustomCheckBox::State, &TCustomCheckBox::SetState>("State"),
      Published<&TCustomCheckBox::Checked, &TCustomCheckBox::SetChecked>("Checked")};
  static const TPropertyTable table{properties, std::size(properties), nullptr, 0};
  return &table;
}

void TCustomCheckBox::SetState(TCheckBoxState state) {
  if (state == state_) return;
  state_ = state;
  MarkChanged();
}

uint32_t TCustomCheckBox::ButtonStyle() const { return allow_grayed_ ? 0x0005 : 0x0002; }  // BS_3STATE, BS_CHECKBOX

void TCustomCheckBox::Toggle() {
  switch (state_) {
    case TCheckBoxState::cbUnchecked:
      SetState(TCheckBoxState::cbChecked);
      break;
    case TCheckBoxState::cbChecked:
      SetState(allow_grayed_ ? TCheckBoxState::cbGrayed : TCheckBoxState::cbUnchecked);
      break;
    case TCheckBoxState::cbGrayed:
      SetState(TCheckBoxState::cbUnchecked);
      break;
  }
}

const TPropertyTable* TRadioButton::PublishedTable() {
  static const TPropertyInfo properties[] = {Published<&TRadioButton::Checked, &TRadioButton::SetChecked>("Checked")};
  static const TPropertyTable table{properties, std::size(properties), nullptr, 0};
  return &table;
}

void TRadioButton::SetChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  if (checked && Parent() != nullptr) {
    for (int i = 0; i < Parent()->ControlCount(); ++i) {
      auto* sibling = dynamic_cast<TRadioButton*>(Parent()->Controls(i));
      if (sibling != nullptr && sibling != this) sibling->SetChecked(false);
    }
  }
  MarkChanged();
}

}  // namespace ruzi
