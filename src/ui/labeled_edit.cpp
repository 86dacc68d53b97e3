#include "ui/labeled_edit.h"

namespace ruzi {

const TPropertyTable* TLabeledEdit::PublishedTable() {
  static const auto properties = LabelProperties();
  static const TPropertyTable table{properties.data(), properties.size(), nullptr, 0};
  return &table;
}

}  // namespace ruzi
