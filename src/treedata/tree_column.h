#pragma once
// Whether a column of the data tree is its tree column (the nodes' captions): the companion's
// position 0, or field 0 for a field without a companion.
#include "query/data_field.h"
#include "treedata/multi_field.h"

namespace ruzi {

inline bool IsTreeColumn(const DataField* field) {
  const TMultiField* companion = TMultiField::Of(field);
  return companion != nullptr ? companion->FieldPos == 0 : field->Index() == 0;
}

}  // namespace ruzi
