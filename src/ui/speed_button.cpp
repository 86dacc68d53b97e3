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

void TSpeedButton::Paint() {
  const TRect all{0, 0, Width(), Height()};
  TCanvas& canvas = Canvas();
  canvas.Brush().SetStyle(TBrushStyle::bsSolid);
  canvas.Brush().SetColor(Color());
  canvas.FillRect(all);
  const bool sunken = down_ || pressed_;
  if (!flat_ || sunken) {
    // Light on the top and left edges of a raised face, dark on the others; the other way when down.
    canvas.Pen().SetColor(sunken ? clBtnShadow : clBtnHighlight);
    canvas.MoveTo(0, Height() - 1);
    canvas.LineTo(0, 0);
    canvas.LineTo(Width() - 1, 0);
    canvas.Pen().SetColor(sunken ? clBtnHighlight : clBtnShadow);
    canvas.LineTo(Width() - 1, Height() - 1);
    canvas.LineTo(0, Height() - 1);
  }
  const int shift = sunken ? 1 : 0;
  const std::string caption = Caption();
  const int text_width = caption.empty() ? 0 : canvas.TextWidth(caption);
  TGraphic* glyph = glyph_.Picture().Graphic();
  const int glyph_width = glyph != nullptr ? glyph->Width() : 0;
  const int gap = glyph_width > 0 && text_width > 0 ? 4 : 0;
  int x = (Width() - glyph_width - gap - text_width) / 2 + shift;
  if (glyph != nullptr) {
    canvas.Draw(x, (Height() - glyph->Height()) / 2 + shift, *glyph);
    x += glyph_width + gap;
  }
  if (text_width > 0) {
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    canvas.TextOut(x, (Height() - canvas.TextHeight(caption)) / 2 + shift, caption);
  }
}

}  // namespace ruzi
