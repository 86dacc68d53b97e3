#pragma once
// An edit field with a drop-down list, of the system's COMBOBOX class. Items and ItemIndex are
// kept as in a list box (list_box.h); a choice in the list runs OnClick, typing OnChange.
// TCustomComboBox is the root of the combo boxes, the client's among them. User-interface
// thread only.
#include <array>

#include "ruzirareva/export.h"
#include "ruzirareva/foundation/published_property.h"
#include "ruzirareva/ui/win_control.h"
#include "ruzirareva/ui/window_items.h"

namespace ruzi {

enum class TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };

template <>
struct TEnumNames<TComboBoxStyle> {
  static constexpr std::array<const char*, 5> Names{"csDropDown", "csSimple", "csDropDownList", "csOwnerDrawFixed",
                                                    "csOwnerDrawVariable"};
};

class RUZI_API TCustomComboBox : public TWinControl {
  RUZI_CLASS_RECORD_PUBLISHED(TCustomComboBox, TWinControl::ClassRecord())

 public:
  explicit TCustomComboBox(TComponent* owner = nullptr);

  TStrings& Items() { return items_.Items(); }
  const TStrings& Items() const { return items_.Items(); }
  std::string ItemsText() const { return Items().Text(); }
  void SetItemsText(const std::string& text) { Items().SetText(text); }
  int ItemIndex() const { return items_.ItemIndex(); }
  void SetItemIndex(int index) { items_.SetItemIndex(index); }
  // The height of a line of the list (the form zoom scales it for the client's combos).
  int ItemHeight() const { return item_height_; }
  void SetItemHeight(int height);
  TComboBoxStyle Style() const { return style_; }
  void SetStyle(TComboBoxStyle style);
  int DropDownCount() const { return drop_down_count_; }
  void SetDropDownCount(int count) { drop_down_count_ = count; }
  bool Sorted() const { return Items().Sorted(); }
  void SetSorted(bool sorted) { Items().SetSorted(sorted); }

  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void WndProc(TMessage& message) override;
  void SetItemsFollower(TStringsObserver* follower) { items_.SetFollower(follower); }

 private:
  void Recreate();

  TWindowItems items_;
  int item_height_ = 16;
  TComboBoxStyle style_ = TComboBoxStyle::csDropDown;
  int drop_down_count_ = 8;
};

class RUZI_API TComboBox : public TCustomComboBox {
  RUZI_CLASS_RECORD(TComboBox, TCustomComboBox::ClassRecord())

 public:
  explicit TComboBox(TComponent* owner = nullptr) : TCustomComboBox(owner) {}
};

}  // namespace ruzi
