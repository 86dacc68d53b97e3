#pragma once
// An edit holding a whole number that its up and down arrows (the system's up-down control at
// the edit's right edge), the up and down arrow keys and the mouse wheel (a notch a step) step
// by Increment. Value is the text read as a number (0 when it is none), kept within
// MinValue..MaxValue unless the two are equal.
// A read-only spin edit does not step. User-interface thread only.
#include "ruzirareva/export.h"
#include "ruzirareva/ui/edit.h"

namespace ruzi {

class RUZI_API TSpinEdit : public TCustomEdit {
  RUZI_CLASS_RECORD_PUBLISHED(TSpinEdit, TCustomEdit::ClassRecord())

 public:
  explicit TSpinEdit(TComponent* owner = nullptr);

  int Value() const;
  void SetValue(int value);
  int MinValue() const { return min_value_; }
  void SetMinValue(int value);
  int MaxValue() const { return max_value_; }
  void SetMaxValue(int value);
  int Increment() const { return increment_; }
  void SetIncrement(int increment) { increment_ = increment; }
  // Moves Value by `steps` Increments (negative: down), kept within the limits.
  void Step(int steps);

 protected:
  void CreateWnd() override;
  void WndProc(TMessage& message) override;

 private:
  int Checked(int value) const;
  // The Win32 half (spin_edit_win32.cpp): the arrows made or fitted to the edit's client area,
  // and the steps a message from them asks for (0 when it is none of theirs).
  void FitArrows();
  int ArrowSteps(TMessage& message);

  int min_value_ = 0, max_value_ = 0, increment_ = 1;
  int wheel_carry_ = 0;  // a part of a wheel notch, waiting for the rest
};

}  // namespace ruzi
