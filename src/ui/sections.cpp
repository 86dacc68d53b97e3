#include "ui/sections.h"

#include "foundation/error.h"
#include "ui/tab_text.h"

namespace ruzi {

void TSection::SetText(const std::string& text) {
  if (text == text_) return;
  text_ = text;
  list_->Changed();
}

void TSection::SetWidth(int width) {
  if (width == width_) return;
  width_ = width;
  list_->Changed();
}

int TSection::Index() const {
  for (int index = 0; index < list_->Count(); ++index) {
    if (&list_->Items(index) == this) return index;
  }
  return -1;
}

TSections::~TSections() = default;

TSection& TSections::Items(int index) const {
  if (index < 0 || index >= Count()) throw Error("List index out of bounds (" + std::to_string(index) + ")");
  return *items_[static_cast<size_t>(index)];
}

TSection& TSections::Add(const std::string& text, int width) {
  items_.push_back(std::unique_ptr<TSection>(new TSection(this, text, width)));
  Changed();
  return *items_.back();
}

void TSections::Delete(int index) {
  Items(index);
  items_.erase(items_.begin() + index);
  Changed();
}

void TSections::Clear() {
  items_.clear();
  Changed();
}

std::string TSections::AsText() const {
  TTabRows rows;
  for (const auto& item : items_) rows.push_back({item->text_, std::to_string(item->width_)});
  return JoinTabText(rows);
}

void TSections::SetAsText(const std::string& text) {
  items_.clear();
  for (const auto& row : SplitTabText(text)) {
    items_.push_back(std::unique_ptr<TSection>(new TSection(this, row.empty() ? "" : row[0], TabFieldInt(row, 1, 50))));
  }
  Changed();
}

}  // namespace ruzi
