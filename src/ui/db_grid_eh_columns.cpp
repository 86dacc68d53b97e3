#include "ui/db_grid_eh_columns.h"

#include <iterator>

#include "foundation/property_access.h"
#include "ui/db_grid_eh.h"
#include "ui/invalidate_on_change.h"
#include "ui/tab_text.h"

namespace ruzi {
namespace {

// The fields of a line of the Columns text: a property of the column or of its title.
struct LineField {
  const char* Name;
  bool OfTitle;
};
constexpr LineField kLineFields[] = {
    {"FieldName", false}, {"Caption", true}, {"Width", false}, {"Visible", false}, {"Alignment", false}};

TPersistent& Holder(TColumnEh& column, const LineField& field) {
  return field.OfTitle ? static_cast<TPersistent&>(column.Title()) : column;
}

}  // namespace

const TPropertyTable* TColumnTitleEh::PublishedTable() {
  static const TPropertyInfo properties[] = {
      Published<&TColumnTitleEh::Caption, &TColumnTitleEh::SetCaption>("Caption")};
  static const TPropertyTable table{properties, std::size(properties), nullptr, 0};
  return &table;
}

void TColumnTitleEh::SetCaption(const std::string& caption) {
  caption_ = caption;
  grid_.Invalidate();
}

const TPropertyTable* TColumnEh::PublishedTable() {
  static const TPropertyInfo properties[] = {
      Published<&TColumnEh::Alignment, &TColumnEh::SetAlignment>("Alignment"),
      Published<&TColumnEh::FieldName, &TColumnEh::SetFieldName>("FieldName"),
      Published<&TColumnEh::Visible, &TColumnEh::SetVisible>("Visible"),
      Published<&TColumnEh::Width, &TColumnEh::SetWidth>("Width")};
  static const TPropertyTable table{properties, std::size(properties), nullptr, 0};
  return &table;
}

TColumnEh::TColumnEh(TDBGridEh& grid) : grid_(grid), title_(grid) {
  font_.Assign(&grid.Font());
  title_.Font().Assign(&grid.TitleFont());
  footer_.Font.Assign(&grid.FooterFont());
  for (TFont* font : {&font_, &title_.Font(), &footer_.Font}) font->OnChange = InvalidateOnChange(&grid);
}

void TColumnEh::SetFieldName(const std::string& name) {
  field_name_ = name;
  grid_.Invalidate();
}

void TColumnEh::SetWidth(int width) {
  if (width == width_) return;
  width_ = width;
  grid_.LayoutChanged();
}

void TColumnEh::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  grid_.LayoutChanged();
}

void TColumnEh::SetAlignment(TAlignment alignment) {
  alignment_ = alignment;
  grid_.Invalidate();
}

TColumnEh& TDBGridColumnsEh::Add(const std::string& field_name) {
  auto column = std::make_unique<TColumnEh>(grid_);
  column->index_ = Count();
  column->field_name_ = field_name;
  column->title_.SetCaption(field_name);
  columns_.push_back(std::move(column));
  grid_.LayoutChanged();
  return *columns_.back();
}

void TDBGridColumnsEh::Clear() {
  columns_.clear();
  grid_.LayoutChanged();
}

std::vector<int> TDBGridColumnsEh::Widths() const {
  std::vector<int> widths;
  for (const auto& column : columns_) widths.push_back(column->Visible() ? std::max(column->Width(), 0) : -1);
  return widths;
}

std::string TDBGridColumnsEh::Text() const {
  TTabRows rows;
  for (const auto& column : columns_) {
    std::vector<std::string>& row = rows.emplace_back();
    for (const LineField& field : kLineFields) row.push_back(GetPropText(Holder(*column, field), field.Name));
  }
  return JoinTabText(rows);
}

void TDBGridColumnsEh::SetText(const std::string& text) {
  // Every line is read into a column of its own first, so a bad field changes nothing.
  std::vector<std::unique_ptr<TColumnEh>> read;
  for (const auto& row : SplitTabText(text)) {
    auto& column = read.emplace_back(std::make_unique<TColumnEh>(grid_));
    for (size_t index = 0; index < row.size() && index < std::size(kLineFields); ++index) {
      SetPropText(Holder(*column, kLineFields[index]), kLineFields[index].Name, row[index]);
    }
    if (row.size() < 2) column->Title().SetCaption(column->FieldName());
  }
  columns_.resize(std::min(columns_.size(), read.size()));
  for (size_t index = 0; index < read.size(); ++index) {
    if (index == columns_.size()) {
      columns_.push_back(std::move(read[index]));
      columns_.back()->index_ = static_cast<int>(index);
      continue;
    }
    for (const LineField& field : kLineFields) {
      SetPropText(Holder(*columns_[index], field), field.Name, GetPropText(Holder(*read[index], field), field.Name));
    }
  }
  grid_.LayoutChanged();
}

}  // namespace ruzi
