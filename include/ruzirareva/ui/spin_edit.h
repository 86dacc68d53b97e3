#pragma once
// An edit holding a whole number that the up and down arrow keys step by Increment. Value is
// the text read as a number (0 when it is none), kept within MinValue..MaxValue unless the two
// are equal. User-interface thread only.
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

 protected:
  void WndProc(TMessage& message) override;

 private:
  int Checked(int value) const;

  int min_value_ = 0, max_value_ = 0, increment_ = 1;
};

}  // namespace ruzi
