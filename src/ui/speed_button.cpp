#include "ui/speed_button.h"

#include <iterator>

#include "ui/window_message_ids.h"

namespace ruzi {

const TPropertyTable* TSpeedButton::PublishedTable() {
  static const TPropertyInfo properties[] = {
      Published<&TSpeedButton::AllowAllUp, &TSpeedButton::SetAllowAllUp>("AllowAllUp"),
      Published<&TSpeedButton::GroupIndex, &TSpeedButton::SetGroupIndex>("GroupIndex"),
      Published<&TSpeedButton::Down, &TSpeedButton::SetDown>("Down"),
      Published<&TSpeedButton::Flat, &TSpeedButton::SetFlat>("Flat"),
      Published<&TSpeedButton::GlyphFile, &TSpeedButton::SetGlyphFile>("Glyph")};
  static const TPropertyTable table{properties, std::size(properties), nullptr, 0};
  return &table;
}

TSpeedButton::TSpeedButton(TComponent* owner) : TGraphicControl(owner) { SetBounds(0, 0, 23, 22); }

void TSpeedButton::SetGlyphFile(const std::string& file_name) {
  glyph_.LoadFromFile(file_name);
  Invalidate();
}

void TSpeedButton::SetFlat(bool flat) {
  flat_ = flat;
  Invalidate();
}

void TSpeedButton::SetDown(bool down) {
  if (down == down_) return;
  down_ = down;
  if (down && group_index_ != 0 && Parent() != nullptr) {
    for (int i = 0; i < Parent()->ControlCount(); ++i) {
      auto* other = dynamic_cast<TSpeedButton*>(Parent()->Controls(i));
      if (other != nullptr && other != this && other->group_index_ == group_index_) other->SetDown(false);
    }
  }
  Invalidate();
}

void TSpeedButton::Click() {
  if (group_index_ != 0) SetDown(!down_ || !allow_all_up_);
  TGraphicControl::Click();
}

void TSpeedButton::WndProc(TMessage& message) {
  if (message.Msg == wm::LButtonDown || message.Msg == wm::LButtonUp) {
    pressed_ = message.Msg == wm::LButtonDown;
    Invalidate();
  }
  TGraphicControl::WndProc(message);
}

}  // namespace ruzi
