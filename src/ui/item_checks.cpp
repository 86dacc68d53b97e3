#include "ui/item_checks.h"

#include "foundation/published_property.h"

namespace ruzi {

bool TItemChecks::Checked(int index) const {
  items_.Strings(index);  // the bounds check
  return checked_[static_cast<size_t>(index)];
}

void TItemChecks::SetChecked(int index, bool checked) {
  items_.Strings(index);
  checked_[static_cast<size_t>(index)] = checked;
}

std::string TItemChecks::Text() const {
  std::string text;
  for (size_t i = 0; i < checked_.size(); ++i) {
    if (!checked_[i]) continue;
    if (!text.empty()) text += ',';
    text += std::to_string(i);
  }
  return text;
}

bool TItemChecks::SetText(std::string_view text) {
  std::vector<bool> checked(checked_.size());
  while (!text.empty()) {
    const size_t comma = text.find(',');
    const auto index = IntegerPropertyValue(text.substr(0, comma));
    if (!index || *index < 0 || *index >= static_cast<int64_t>(checked.size())) return false;
    checked[static_cast<size_t>(*index)] = true;
    text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
  }
  checked_ = checked;
  return true;
}

void TItemChecks::StringInserted(int index) { checked_.insert(checked_.begin() + index, false); }

void TItemChecks::StringDeleted(int index) { checked_.erase(checked_.begin() + index); }

void TItemChecks::StringsMoved(const std::vector<int>& from) {
  std::vector<bool> checked(from.size());
  for (size_t index = 0; index < from.size(); ++index) checked[index] = checked_[static_cast<size_t>(from[index])];
  checked_ = checked;
}

void TItemChecks::StringsReset() { checked_.assign(static_cast<size_t>(items_.Count()), false); }

}  // namespace ruzi
