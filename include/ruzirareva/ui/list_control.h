#pragma once
// The root of the list and combo boxes: lines shown by a system list (window_items.h), the
// selected line, the height of a line, and sorting. Items and ItemIndex are the control's while
// it has no window and the window's once it has one. User-interface thread only.
#include "ruzirareva/export.h"
#include "ruzirareva/ui/win_control.h"
#include "ruzirareva/ui/window_items.h"

namespace ruzi {

class RUZI_API TCustomListControl : public TWinControl {
  RUZI_CLASS_RECORD_PUBLISHED(TCustomListControl, TWinControl::ClassRecord())

 public:
  TStrings& Items() { return items_.Items(); }
  const TStrings& Items() const { return items_.Items(); }
  std::string ItemsText() const { return Items().Text(); }
  void SetItemsText(const std::string& text) { Items().SetText(text); }
  int ItemIndex() const { return items_.ItemIndex(); }
  void SetItemIndex(int index) { items_.SetItemIndex(index); }
  int ItemHeight() const { return item_height_; }
  void SetItemHeight(int height);
  bool Sorted() const { return Items().Sorted(); }
  void SetSorted(bool sorted) { Items().SetSorted(sorted); }

 protected:
  // `set_item_height`: the system list's message that sets the height of its lines.
  TCustomListControl(TComponent* owner, const TItemMessages& messages, uint32_t set_item_height);
  void CreateWnd() override;
  // The window's selection changed (its notification arrived).
  void SelectionChanged() { items_.SelectionChanged(); }
  // Check marks that follow the lines (check list boxes, check combos).
  void SetItemsFollower(TStringsObserver* follower) { items_.SetFollower(follower); }

 private:
  TWindowItems items_;
  uint32_t set_item_height_;
  int item_height_ = 16;
};

}  // namespace ruzi
