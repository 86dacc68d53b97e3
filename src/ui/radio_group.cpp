#include "ui/radio_group.h"

#include <iterator>

namespace ruzi {
namespace {

constexpr int kCaptionSpace = 16, kMargin = 8;

}  // namespace

const TPropertyTable* TRadioGroup::PublishedTable() {
  static const TPropertyInfo properties[] = {
      Published<&TRadioGroup::Columns, &TRadioGroup::SetColumns>("Columns"),
      Published<&TRadioGroup::ItemsText, &TRadioGroup::SetItemsText>("Items"),
      Published<&TRadioGroup::ItemIndex, &TRadioGroup::SetItemIndex>("ItemIndex")};
  static const TPropertyTable table{properties, std::size(properties), nullptr, 0};
  return &table;
}

TRadioGroup::TRadioGroup(TComponent* owner) : TCustomGroupBox(owner) { items_.SetObserver(this); }

TRadioGroup::~TRadioGroup() { items_.SetObserver(nullptr); }

void TRadioGroup::SetItemIndex(int index) {
  if (index < -1 || index >= items_.Count()) index = -1;
  if (index == item_index_) return;
  item_index_ = index;
  updating_ = true;
  for (size_t i = 0; i < buttons_.size(); ++i) buttons_[i]->SetChecked(static_cast<int>(i) == index);
  updating_ = false;
  Click();
}

void TRadioGroup::SetColumns(int columns) {
  if (columns < 1 || columns > 16) return;
  columns_ = columns;
  ArrangeButtons();
}

void TRadioGroup::MakeButtons() {
  for (TRadioButton* button : buttons_) delete button;
  buttons_.clear();
  for (int i = 0; i < items_.Count(); ++i) {
    auto* button = new TRadioButton(this);
    button->SetCaption(items_[i]);
    button->OnClick = TNotifyEvent{&ButtonClicked, this};
    button->SetParent(this);
    buttons_.push_back(button);
  }
  item_index_ = -1;
  ArrangeButtons();
}

void TRadioGroup::ArrangeButtons() {
  if (buttons_.empty()) return;
  const int rows = (static_cast<int>(buttons_.size()) + columns_ - 1) / columns_;
  const int column_width = (Width() - 2 * kMargin) / columns_;
  const int row_height = (Height() - kCaptionSpace - kMargin / 2) / rows;
  for (size_t i = 0; i < buttons_.size(); ++i) {
    const int column = static_cast<int>(i) / rows, row = static_cast<int>(i) % rows;
    buttons_[i]->SetBounds(kMargin + column * column_width, kCaptionSpace + row * row_height, column_width,
                           row_height);
  }
}

void TRadioGroup::BoundsChanged() {
  TCustomGroupBox::BoundsChanged();
  ArrangeButtons();
}

void TRadioGroup::ButtonClicked(void* group, TPersistent* button) {
  auto& self = *static_cast<TRadioGroup*>(group);
  auto* radio = static_cast<TRadioButton*>(button);
  if (self.updating_ || !radio->Checked()) return;
  for (size_t i = 0; i < self.buttons_.size(); ++i) {
    if (self.buttons_[i] == radio) self.SetItemIndex(static_cast<int>(i));
  }
}

}  // namespace ruzi
