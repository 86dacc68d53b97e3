#pragma once
// A list of lines of the system's LISTBOX class. Items and ItemIndex are the control's while it
// has no window and the window's once it has one; a change of the selection by the user runs
// OnClick. TCustomListBox is the root of the list boxes. User-interface thread only.
#include "ruzirareva/export.h"
#include "ruzirareva/ui/win_control.h"
#include "ruzirareva/ui/window_items.h"

namespace ruzi {

class RUZI_API TCustomListBox : public TWinControl {
  RUZI_CLASS_RECORD_PUBLISHED(TCustomListBox, TWinControl::ClassRecord())

 public:
  explicit TCustomListBox(TComponent* owner = nullptr);

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
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void WndProc(TMessage& message) override;
  // Check marks that follow the lines (a check list box).
  void SetItemsFollower(TStringsObserver* follower) { items_.SetFollower(follower); }

 private:
  TWindowItems items_;
  int item_height_ = 16;
};

class RUZI_API TListBox : public TCustomListBox {
  RUZI_CLASS_RECORD(TListBox, TCustomListBox::ClassRecord())

 public:
  explicit TListBox(TComponent* owner = nullptr) : TCustomListBox(owner) {}
};

}  // namespace ruzi
