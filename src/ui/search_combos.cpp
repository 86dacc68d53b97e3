#include "ui/search_combos.h"

namespace ruzi {

const TPropertyTable* TSearchCombox::PublishedTable() {
  static const auto properties = LabelProperties();
  static const TPropertyTable table{properties.data(), properties.size(), nullptr, 0};
  return &table;
}

}  // namespace ruzi
