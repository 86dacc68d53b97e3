#pragma once
// The link between a TStrings and the system list that shows it (a list box or a combo box):
// each change of the lines is made in the window too, the window is filled when it is made, and
// the selected index is the window's while there is one. User-interface thread.
#include <cstdint>

#include "ruzirareva/export.h"
#include "ruzirareva/ui/strings.h"

namespace ruzi {

class TWinControl;

// The messages of one kind of system list.
struct TItemMessages {
  uint32_t Insert, Delete, Reset, GetCurSel, SetCurSel;
};
inline constexpr TItemMessages kListBoxMessages{0x0181, 0x0182, 0x0184, 0x0188, 0x0186};   // LB_...
inline constexpr TItemMessages kComboBoxMessages{0x014A, 0x0144, 0x014B, 0x0147, 0x014E};  // CB_...

class RUZI_API TWindowItems : public TStringsObserver {
 public:
  TWindowItems(TWinControl& control, const TItemMessages& messages);

  TStrings& Items() { return items_; }
  const TStrings& Items() const { return items_; }
  int ItemIndex() const;
  void SetItemIndex(int index);
  // Told of every change after the window (item check marks that follow the lines).
  void SetFollower(TStringsObserver* follower) { follower_ = follower; }
  // After the window was made: it gets every line and the selection.
  void FillWindow();
  // The window's selection changed (a notification): remember it.
  void SelectionChanged();

  void StringInserted(int index) override;
  void StringDeleted(int index) override;
  void StringsReset() override;
  void StringsMoved(const std::vector<int>& from) override;

 private:
  TWinControl& control_;
  const TItemMessages& messages_;
  TStrings items_;
  int item_index_ = -1;
  TStringsObserver* follower_ = nullptr;
};

}  // namespace ruzi
