#include "ui/label.h"

#include <iterator>

namespace ruzi {

const TPropertyTable* TLabel::PublishedTable() {
  static const TPropertyInfo properties[] = {
      Published<&TLabel::Transparent, &TLabel::SetTransparent>("Transparent")};
  static const TPropertyTable table{properties, std::size(properties), nullptr, 0};
  return &table;
}

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner) { SetBounds(0, 0, 65, 13); }

void TLabel::SetTransparent(bool transparent) {
  if (transparent == transparent_) return;
  transparent_ = transparent;
  Invalidate();
}

}  // namespace ruzi
