#include <iterator>

#include "ui/qx_combo_boxes.h"

namespace ruzi {
namespace {

// Both bound combos publish the same two properties.
template <typename Combo>
const TPropertyTable* BoundComboTable() {
  static const TPropertyInfo properties[] = {Published<&Combo::ValuesText, &Combo::SetValuesText>("Values"),
                                             Published<&Combo::Value, &Combo::SetValue>("Value")};
  static const TPropertyTable table{properties, std::size(properties), nullptr, 0};
  return &table;
}

}  // namespace

const TPropertyTable* TBoundQxComboBox::PublishedTable() { return BoundComboTable<TBoundQxComboBox>(); }
const TPropertyTable* TBoundComboBox::PublishedTable() { return BoundComboTable<TBoundComboBox>(); }

}  // namespace ruzi
