#include "ui/window_items.h"

#include <algorithm>

#include "ui/win_control.h"
#include "ui/window_text_message.h"

namespace ruzi {

TWindowItems::TWindowItems(TWinControl& control, const TItemMessages& messages)
    : control_(control), messages_(messages) {
  items_.SetObserver(this);
}

int TWindowItems::ItemIndex() const {
  if (!control_.HandleAllocated()) return item_index_;
  return static_cast<int>(control_.Perform(messages_.GetCurSel));
}

void TWindowItems::SetItemIndex(int index) {
  item_index_ = index >= 0 && index < items_.Count() ? index : -1;
  if (control_.HandleAllocated()) control_.Perform(messages_.SetCurSel, static_cast<uintptr_t>(item_index_));
}

void TWindowItems::FillWindow() {
  if (!control_.HandleAllocated()) return;
  control_.Perform(messages_.Reset);
  for (int i = 0; i < items_.Count(); ++i) SendTextMessage(control_, messages_.Insert, static_cast<uintptr_t>(i), items_[i]);
  control_.Perform(messages_.SetCurSel, static_cast<uintptr_t>(item_index_));
}

void TWindowItems::SelectionChanged() { item_index_ = ItemIndex(); }

void TWindowItems::StringInserted(int index) {
  if (item_index_ >= index) ++item_index_;
  SendTextMessage(control_, messages_.Insert, static_cast<uintptr_t>(index), items_[index]);
  if (follower_ != nullptr) follower_->StringInserted(index);
}

void TWindowItems::StringDeleted(int index) {
  if (item_index_ == index) item_index_ = -1;
  if (item_index_ > index) --item_index_;
  if (control_.HandleAllocated()) control_.Perform(messages_.Delete, static_cast<uintptr_t>(index));
  if (follower_ != nullptr) follower_->StringDeleted(index);
}

void TWindowItems::StringsReset() {
  item_index_ = -1;
  FillWindow();
  if (follower_ != nullptr) follower_->StringsReset();
}

// The window shows the new order; the chosen line stays chosen where it went.
void TWindowItems::StringsMoved(const std::vector<int>& from) {
  const int chosen = item_index_;
  FillWindow();
  item_index_ = -1;
  if (chosen >= 0) SetItemIndex(static_cast<int>(std::find(from.begin(), from.end(), chosen) - from.begin()));
  if (follower_ != nullptr) follower_->StringsMoved(from);
}

}  // namespace ruzi
