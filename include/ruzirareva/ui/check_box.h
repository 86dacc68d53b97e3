#pragma once
// Check boxes and radio buttons of the system's BUTTON class. The control keeps the mark and
// sets it in the window; a click in the window turns it (a check box to its next state, a radio
// button on, its sibling radio buttons off) and runs OnClick, as a change made in code does.
// TButtonControl is their common root, TCustomCheckBox the root of the check boxes.
// User-interface thread only.
#include <array>

#include "ruzirareva/export.h"
#include "ruzirareva/foundation/published_property.h"
#include "ruzirareva/ui/win_control.h"

namespace ruzi {

enum class TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

template <>
struct TEnumNames<TCheckBoxState> {
  static constexpr std::array<const char*, 3> Names{"cbUnchecked", "cbChecked", "cbGrayed"};
};

class RUZI_API TButtonControl : public TWinControl {
  RUZI_CLASS_RECORD(TButtonControl, TWinControl::ClassRecord())

 public:
  explicit TButtonControl(TComponent* owner = nullptr);

 protected:
  // The mark to show (BM_SETCHECK's value: 0, 1 or 2) and the BUTTON style of the kind.
  virtual int CheckValue() const = 0;
  virtual uint32_t ButtonStyle() const = 0;
  // A click in the window.
  virtual void Toggle() = 0;
  // Shows a changed mark, then runs OnClick.
  void MarkChanged();
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void WndProc(TMessage& message) override;
};

class RUZI_API TCustomCheckBox : public TButtonControl {
  RUZI_CLASS_RECORD_PUBLISHED(TCustomCheckBox, TButtonControl::ClassRecord())

 public:
  explicit TCustomCheckBox(TComponent* owner = nullptr) : TButtonControl(owner) {}

  bool Checked() const { return state_ == TCheckBoxState::cbChecked; }
  void SetChecked(bool checked) { SetState(checked ? TCheckBoxState::cbChecked : TCheckBoxState::cbUnchecked); }
  TCheckBoxState State() const { return state_; }
  void SetState(TCheckBoxState state);
  // Whether a click passes through the grayed state.
  bool AllowGrayed() const { return allow_grayed_; }
  void SetAllowGrayed(bool allow) { allow_grayed_ = allow; }

 protected:
  int CheckValue() const override { return static_cast<int>(state_); }
  uint32_t ButtonStyle() const override;
  void Toggle() override;

 private:
  TCheckBoxState state_ = TCheckBoxState::cbUnchecked;
  bool allow_grayed_ = false;
};

class RUZI_API TCheckBox : public TCustomCheckBox {
  RUZI_CLASS_RECORD(TCheckBox, TCustomCheckBox::ClassRecord())

 public:
  explicit TCheckBox(TComponent* owner = nullptr) : TCustomCheckBox(owner) {}
};

class RUZI_API TRadioButton : public TButtonControl {
  RUZI_CLASS_RECORD_PUBLISHED(TRadioButton, TButtonControl::ClassRecord())

 public:
  explicit TRadioButton(TComponent* owner = nullptr) : TButtonControl(owner) {}

  bool Checked() const { return checked_; }
  // Checking one turns off the radio buttons beside it (same parent).
  void SetChecked(bool checked);

 protected:
  int CheckValue() const override { return checked_ ? 1 : 0; }
  uint32_t ButtonStyle() const override { return 0x0004; }  // BS_RADIOBUTTON
  void Toggle() override { SetChecked(true); }

 private:
  bool checked_ = false;
};

}  // namespace ruzi
