#include "ui/checkable_db_grid.h"

#include <iterator>

#include "ui/invalidate_on_change.h"

namespace ruzi {

const TPropertyTable* TCheckableDBGrid::PublishedTable() {
  static const TPropertyInfo properties[] = {
      PublishedAs<TColorText, &TCheckableDBGrid::FixedColor, &TCheckableDBGrid::SetFixedColor>("FixedColor"),
      PublishedAs<TFontText, static_cast<const TFont& (TCheckableDBGrid::*)() const>(&TCheckableDBGrid::TitleFont),
                  &TCheckableDBGrid::SetTitleFont>("TitleFont")};
  static const TPropertyTable table{properties, std::size(properties), nullptr, 0};
  return &table;
}

TCheckableDBGrid::TCheckableDBGrid(TComponent* owner) : TCustomControl(owner) {
  SetBounds(0, 0, 320, 120);
  SetParentColor(false);
  SetColor(clWindow);
  title_font_.OnChange = InvalidateOnChange(this);
}

void TCheckableDBGrid::SetFixedColor(TColor color) {
  if (color == fixed_color_) return;
  fixed_color_ = color;
  Invalidate();
}

}  // namespace ruzi
