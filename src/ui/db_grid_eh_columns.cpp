#include "ui/db_grid_eh_columns.h"

#include "ui/db_grid_eh.h"
#include "ui/invalidate_on_change.h"

namespace ruzi {

TColumnEh::TColumnEh(TDBGridEh& grid) : grid_(grid) {
  font_.Assign(&grid.Font());
  title_.Font.Assign(&grid.TitleFont());
  footer_.Font.Assign(&grid.FooterFont());
  for (TFont* font : {&font_, &title_.Font, &footer_.Font}) font->OnChange = InvalidateOnChange(&grid);
}

void TColumnEh::SetFieldName(const std::string& name) {
  field_name_ = name;
  grid_.Invalidate();
}

void TColumnEh::SetWidth(int width) {
  if (width == width_) return;
  width_ = width;
  grid_.Invalidate();
}

TColumnEh& TDBGridColumnsEh::Add(const std::string& field_name) {
  auto column = std::make_unique<TColumnEh>(grid_);
  column->index_ = Count();
  column->field_name_ = field_name;
  column->title_.Caption = field_name;
  columns_.push_back(std::move(column));
  grid_.Invalidate();
  return *columns_.back();
}

void TDBGridColumnsEh::Clear() {
  columns_.clear();
  grid_.Invalidate();
}

std::vector<int> TDBGridColumnsEh::Widths() const {
  std::vector<int> widths;
  for (const auto& column : columns_) widths.push_back(column->Width());
  return widths;
}

}  // namespace ruzi
