#include "ui/strings.h"

#include <algorithm>

#include "foundation/error.h"
#include "platform/ascii_case.h"

namespace ruzi {

void TStrings::CheckIndex(int index, int limit) const {
  if (index < 0 || index > limit) throw Error("List index out of bounds (" + std::to_string(index) + ")");
}

const std::string& TStrings::Strings(int index) const {
  CheckIndex(index, Count() - 1);
  return lines_[static_cast<size_t>(index)];
}

void TStrings::SetStrings(int index, const std::string& text) {
  CheckIndex(index, Count() - 1);
  Delete(index);
  if (sorted_) {
    Add(text);
  } else {
    Insert(index, text);
  }
}

int TStrings::Add(const std::string& text) {
  const int index = sorted_ ? static_cast<int>(std::upper_bound(lines_.begin(), lines_.end(), text) - lines_.begin())
                            : Count();
  Insert(index, text);
  return index;
}

void TStrings::Insert(int index, const std::string& text) {
  CheckIndex(index, Count());
  lines_.insert(lines_.begin() + index, text);
  if (observer_ != nullptr) observer_->StringInserted(index);
}

void TStrings::Delete(int index) {
  CheckIndex(index, Count() - 1);
  lines_.erase(lines_.begin() + index);
  if (observer_ != nullptr) observer_->StringDeleted(index);
}

void TStrings::Clear() {
  if (lines_.empty()) return;
  lines_.clear();
  Reset();
}

int TStrings::IndexOf(std::string_view text) const {
  for (size_t i = 0; i < lines_.size(); ++i) {
    if (AsciiEqualIgnoreCase(lines_[i], text)) return static_cast<int>(i);
  }
  return -1;
}

std::string TStrings::Text() const {
  std::string text;
  for (const std::string& line : lines_) text.append(line).append("\r\n");
  return text;
}

void TStrings::SetText(std::string_view text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    const size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      lines.emplace_back(text.substr(start));
      break;
    }
    lines.emplace_back(text.substr(start, end - start));
    start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
  }
  Assign(lines);
}

// A sorted list takes the lines as given, then sorts them: whatever follows the lines by index
// (bound values, checks) is paired with the lines in the order given and moves with them.
void TStrings::Assign(const std::vector<std::string>& lines) {
  lines_ = lines;
  Reset();
  if (sorted_) Sort();
}

void TStrings::SetSorted(bool sorted) {
  if (sorted == sorted_) return;
  sorted_ = sorted;
  if (sorted_) Sort();
}

void TStrings::Sort() {
  std::vector<int> from(lines_.size());
  for (size_t index = 0; index < from.size(); ++index) from[index] = static_cast<int>(index);
  std::stable_sort(from.begin(), from.end(), [&](int a, int b) { return lines_[a] < lines_[b]; });
  std::vector<std::string> lines;
  lines.reserve(lines_.size());
  for (int index : from) lines.push_back(std::move(lines_[static_cast<size_t>(index)]));
  lines_ = std::move(lines);
  if (observer_ != nullptr) observer_->StringsMoved(from);
}

void TStrings::Reset() {
  if (observer_ != nullptr) observer_->StringsReset();
}

}  // namespace ruzi
