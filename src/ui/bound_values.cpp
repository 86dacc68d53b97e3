#include "ui/bound_values.h"

namespace ruzi {

std::string TBoundValues::ValueOf(int index) const {
  if (index < 0 || index >= items_.Count()) return "";
  if (index < values_.Count() && !values_[index].empty()) return values_[index];
  return items_[index];
}

int TBoundValues::IndexOfValue(const std::string& value) const {
  if (value.empty()) return -1;
  for (int index = 0; index < items_.Count(); ++index) {
    if (ValueOf(index) == value) return index;
  }
  return -1;
}

void TBoundValues::SetValueOf(int index, const std::string& value) {
  items_.Strings(index);  // the bounds check
  while (values_.Count() <= index) values_.Add("");
  values_.SetStrings(index, value);
}

void TBoundValues::StringInserted(int index) {
  // A line added at the end takes the value waiting for it, if one is.
  const bool appended = index == items_.Count() - 1;
  if (appended && values_.Count() >= items_.Count()) return;
  if (index <= values_.Count()) values_.Insert(index, "");
}

void TBoundValues::StringDeleted(int index) {
  if (index < values_.Count()) values_.Delete(index);
}

// Values waiting beyond the lines stay where they wait.
void TBoundValues::StringsMoved(const std::vector<int>& from) {
  std::vector<std::string> values = values_.Lines();
  for (size_t index = 0; index < from.size(); ++index) {
    const auto was = static_cast<size_t>(from[index]);
    values[index] = was < values_.Lines().size() ? values_.Lines()[was] : std::string();
  }
  values_.Assign(values);
}

void TBoundValues::StringsReset() {
  if (items_.Count() == 0) values_.Clear();
}

}  // namespace ruzi
