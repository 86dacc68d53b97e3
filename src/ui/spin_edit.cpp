#include "ui/spin_edit.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

#include "foundation/published_property.h"
#include "ui/mouse_wheel.h"
#include "ui/window_message_ids.h"

namespace ruzi {
const TPropertyTable* TSpinEdit::PublishedTable() {
  static const TPropertyInfo properties[] = {
      Published<&TSpinEdit::Increment, &TSpinEdit::SetIncrement>("Increment"),
      Published<&TSpinEdit::MinValue, &TSpinEdit::SetMinValue>("MinValue"),
      Published<&TSpinEdit::MaxValue, &TSpinEdit::SetMaxValue>("MaxValue"),
      Published<&TSpinEdit::Value, &TSpinEdit::SetValue>("Value")};
  static const TPropertyTable table{properties, std::size(properties), nullptr, 0};
  return &table;
}

TSpinEdit::TSpinEdit(TComponent* owner) : TCustomEdit(owner) { SetText("0"); }

int TSpinEdit::Checked(int value) const {
  return max_value_ != min_value_ ? std::clamp(value, min_value_, std::max(min_value_, max_value_)) : value;
}

int TSpinEdit::Value() const {
  const auto value = IntegerPropertyValue(Text());
  return Checked(value && *value >= INT32_MIN && *value <= INT32_MAX ? static_cast<int>(*value) : 0);
}

void TSpinEdit::SetValue(int value) { SetText(std::to_string(Checked(value))); }

void TSpinEdit::SetMinValue(int value) {
  min_value_ = value;
  SetValue(Value());
}

void TSpinEdit::SetMaxValue(int value) {
  max_value_ = value;
  SetValue(Value());
}

void TSpinEdit::Step(int steps) {
  if (ReadOnly()) return;
  // In 64 bits: a step past the ends of int stops there instead of wrapping round.
  const int64_t value = int64_t{Value()} + int64_t{steps} * increment_;
  SetValue(static_cast<int>(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX)));
}

void TSpinEdit::CreateWnd() {
  TCustomEdit::CreateWnd();
  FitArrows();
}

void TSpinEdit::WndProc(TMessage& message) {
  if (message.Msg == wm::KeyDown && (message.WParam == wm::VkUp || message.WParam == wm::VkDown)) {
    Step(message.WParam == wm::VkUp ? 1 : -1);
    return;
  }
  if (message.Msg == wm::MouseWheel) {
    Step(WheelNotches(wheel_carry_, message.WParam));
    return;
  }
  if (const int steps = ArrowSteps(message); steps != 0) {
    Step(steps);
    return;
  }
  TCustomEdit::WndProc(message);
  if (message.Msg == wm::Size) FitArrows();
}

}  // namespace ruzi
