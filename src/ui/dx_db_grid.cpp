#include "ui/dx_db_grid.h"

#include <iterator>

#include "ui/invalidate_on_change.h"

namespace ruzi {

const TPropertyTable* TdxDBGrid::PublishedTable() {
  static const TPropertyInfo properties[] = {
      PublishedAs<TColorText, &TdxDBGrid::GroupNodeColor, &TdxDBGrid::SetGroupNodeColor>("GroupNodeColor"),
      PublishedAs<TColorText, &TdxDBGrid::HeaderColor, &TdxDBGrid::SetHeaderColor>("HeaderColor"),
      PublishedAs<TFontText, static_cast<const TFont& (TdxDBGrid::*)() const>(&TdxDBGrid::HeaderFont),
                  &TdxDBGrid::SetHeaderFont>("HeaderFont")};
  static const TPropertyTable table{properties, std::size(properties), nullptr, 0};
  return &table;
}

TdxDBGrid::TdxDBGrid(TComponent* owner) : TCustomControl(owner) {
  SetBounds(0, 0, 320, 120);
  SetParentColor(false);
  SetColor(clWindow);
  header_font_.OnChange = InvalidateOnChange(this);
}

void TdxDBGrid::SetHeaderColor(TColor color) {
  if (color == header_color_) return;
  header_color_ = color;
  Invalidate();
}

void TdxDBGrid::SetGroupNodeColor(TColor color) {
  if (color == group_node_color_) return;
  group_node_color_ = color;
  Invalidate();
}

}  // namespace ruzi
