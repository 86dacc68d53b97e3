#pragma once
// A group box holding one radio button per line of Items, laid out in Columns, of which at most
// one is checked: ItemIndex, -1 for none. Checking a button (a click, or ItemIndex) runs the
// group's OnClick. User-interface thread only.
#include <vector>

#include "ruzirareva/export.h"
#include "ruzirareva/ui/check_box.h"
#include "ruzirareva/ui/group_box.h"
#include "ruzirareva/ui/strings.h"

namespace ruzi {

class RUZI_API TRadioGroup : public TCustomGroupBox, private TStringsObserver {
  RUZI_CLASS_RECORD_PUBLISHED(TRadioGroup, TCustomGroupBox::ClassRecord())

 public:
  explicit TRadioGroup(TComponent* owner = nullptr);
  ~TRadioGroup() override;

  TStrings& Items() { return items_; }
  std::string ItemsText() const { return items_.Text(); }
  void SetItemsText(const std::string& text) { items_.SetText(text); }
  int ItemIndex() const { return item_index_; }
  void SetItemIndex(int index);
  int Columns() const { return columns_; }
  void SetColumns(int columns);
  // The radio button of a line.
  TRadioButton* Buttons(int index) const { return buttons_.at(static_cast<size_t>(index)); }

 protected:
  void BoundsChanged() override;

 private:
  void StringInserted(int) override { MakeButtons(); }
  void StringDeleted(int) override { MakeButtons(); }
  void StringsReset() override { MakeButtons(); }
  void MakeButtons();
  void ArrangeButtons();
  static void ButtonClicked(void* group, TPersistent* button);

  TStrings items_;
  std::vector<TRadioButton*> buttons_;
  int item_index_ = -1;
  int columns_ = 1;
  bool updating_ = false;
};

}  // namespace ruzi
