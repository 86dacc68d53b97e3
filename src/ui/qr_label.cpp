#include "ui/qr_label.h"

#include <iterator>

namespace ruzi {

const TPropertyTable* TQRLabel::PublishedTable() {
  static const TPropertyInfo properties[] = {
      PublishedAs<TColorText, &TQRLabel::FrameColor, &TQRLabel::SetFrameColor>("FrameColor"),
      Published<&TQRLabel::Transparent, &TQRLabel::SetTransparent>("Transparent")};
  static const TPropertyTable table{properties, std::size(properties), nullptr, 0};
  return &table;
}

TQRLabel::TQRLabel(TComponent* owner) : TGraphicControl(owner) {
  SetBounds(0, 0, 60, 17);
  SetParentColor(false);
  SetColor(clWhite);
}

void TQRLabel::SetTransparent(bool transparent) {
  if (transparent == transparent_) return;
  transparent_ = transparent;
  Invalidate();
}

void TQRLabel::SetFrameColor(TColor color) {
  if (color == frame_color_) return;
  frame_color_ = color;
  Invalidate();
}

}  // namespace ruzi
