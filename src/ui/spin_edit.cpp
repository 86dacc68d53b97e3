#include "ui/spin_edit.h"

#include <algorithm>
#include <iterator>

#include "foundation/published_property.h"

namespace ruzi {
namespace {

constexpr uint32_t kKeyDown = 0x0100;             // WM_KEYDOWN
constexpr uintptr_t kUpKey = 0x26, kDownKey = 0x28;  // VK_UP, VK_DOWN

}  // namespace

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

void TSpinEdit::WndProc(TMessage& message) {
  if (message.Msg == kKeyDown && (message.WParam == kUpKey || message.WParam == kDownKey)) {
    SetValue(Value() + (message.WParam == kUpKey ? increment_ : -increment_));
    return;
  }
  TCustomEdit::WndProc(message);
}

}  // namespace ruzi
