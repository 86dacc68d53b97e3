#include "ui/grid_rows.h"

#include "platform/ascii_case.h"

namespace ruzi {

int IGridRows::FieldIndex(const std::string& name) const {
  for (int field = 0; field < FieldCount(); ++field) {
    if (AsciiEqualIgnoreCase(FieldName(field), name)) return field;
  }
  return -1;
}

std::string TGridTextRows::CellText(int row, int field) const {
  const auto& cells = rows_.at(static_cast<size_t>(row));
  return field >= 0 && static_cast<size_t>(field) < cells.size() ? cells[static_cast<size_t>(field)] : std::string();
}

void TGridDataSource::SetDataSet(IGridRows* data_set) {
  data_set_ = data_set;
  DataChanged();
}

}  // namespace ruzi
