#include "ui/list_view.h"

#include <iterator>

#include "foundation/error.h"
#include "ui/control_messages.h"
#include "ui/tab_text.h"

namespace ruzi {
namespace {

constexpr uint32_t kSingleSelection = 0x4, kShowSelectionAlways = 0x8;  // LVS_SINGLESEL, LVS_SHOWSELALWAYS
constexpr uint32_t kClientEdge = 0x200;                                 // WS_EX_CLIENTEDGE
constexpr uint32_t kViewStyles[] = {0x0, 0x2, 0x3, 0x1};             // LVS_ICON, _SMALLICON, _LIST, _REPORT

}  // namespace

void TListItem::SetCaption(const std::string& caption) {
  caption_ = caption;
  list_->Changed();
}

void TListItem::SetSubItems(std::vector<std::string> sub_items) {
  sub_items_ = std::move(sub_items);
  list_->Changed();
}

void TListItem::AddSubItem(const std::string& text) {
  sub_items_.push_back(text);
  list_->Changed();
}

TListItems::~TListItems() = default;

TListItem& TListItems::Item(int index) const {
  if (index < 0 || index >= Count()) throw Error("List index out of bounds (" + std::to_string(index) + ")");
  return *items_[static_cast<size_t>(index)];
}

TListItem& TListItems::Add() {
  items_.push_back(std::unique_ptr<TListItem>(new TListItem(this)));
  Changed();
  return *items_.back();
}

void TListItems::Delete(int index) {
  Item(index);
  items_.erase(items_.begin() + index);
  Changed();
}

void TListItems::Clear() {
  items_.clear();
  Changed();
}

std::string TListItems::AsText() const {
  TTabRows rows;
  for (const auto& item : items_) {
    rows.push_back({item->caption_});
    rows.back().insert(rows.back().end(), item->sub_items_.begin(), item->sub_items_.end());
  }
  return JoinTabText(rows);
}

void TListItems::SetAsText(const std::string& text) {
  items_.clear();
  for (auto& row : SplitTabText(text)) {
    auto item = std::unique_ptr<TListItem>(new TListItem(this));
    item->caption_ = row[0];
    item->sub_items_.assign(row.begin() + 1, row.end());
    items_.push_back(std::move(item));
  }
  Changed();
}

const TPropertyTable* TListView::PublishedTable() {
  static const TPropertyInfo properties[] = {
      Published<&TListView::ColumnsText, &TListView::SetColumnsText>("Columns"),
      Published<&TListView::GridLines, &TListView::SetGridLines>("GridLines"),
      Published<&TListView::ItemsText, &TListView::SetItemsText>("Items"),
      Published<&TListView::RowSelect, &TListView::SetRowSelect>("RowSelect"),
      Published<&TListView::ViewStyle, &TListView::SetViewStyle>("ViewStyle")};
  static const TEventInfo events[] = {PublishedEvent<&TListView::OnChange>("OnChange"),
                                      PublishedEvent<&TListView::OnSelectItem>("OnSelectItem")};
  static const TPropertyTable table{properties, std::size(properties), events, std::size(events)};
  return &table;
}

TListView::TListView(TComponent* owner)
    : TWinControl(owner),
      columns_(TEvent<>{[](void* view) { static_cast<TListView*>(view)->batch_.Changed(); }, this}),
      items_(TEvent<>{[](void* view) { static_cast<TListView*>(view)->batch_.Changed(); }, this}),
      batch_(TEvent<>{[](void* view) { static_cast<TListView*>(view)->ShowContents(); }, this}) {
  SetTabStop(true);
  SetColor(clWindow);
  SetBounds(0, 0, 250, 150);
}

void TListView::SetViewStyle(TViewStyle style) {
  if (style == view_style_) return;
  view_style_ = style;
  if (HandleAllocated()) {
    DestroyHandle();
    Handle();
  }
}

void TListView::SetGridLines(bool grid_lines) {
  grid_lines_ = grid_lines;
  UpdateWindowStyles();
}

void TListView::SetRowSelect(bool row_select) {
  row_select_ = row_select;
  UpdateWindowStyles();
}

void TListView::SetItemIndex(int index) {
  if (index < 0 || index >= items_.Count()) index = -1;
  if (HandleAllocated()) {
    SelectInWindow(index);
  } else {
    item_index_ = index;
  }
}

TListItem* TListView::Selected() const { return item_index_ >= 0 ? &items_.Item(item_index_) : nullptr; }

void TListView::ShowContents() {
  // The selection stays at its index while there is an item there.
  if (item_index_ >= items_.Count()) item_index_ = -1;
  if (HandleAllocated()) UpdateWindowContents();
}

void TListView::SelectionChanged(int index, bool selected) {
  if (filling_window_ || index < 0 || index >= items_.Count()) return;
  if (selected) {
    item_index_ = index;
  } else if (index == item_index_) {
    item_index_ = -1;
  }
  TListItem* item = &items_.Item(index);
  OnChange(this, item, TItemChange::ctState);
  OnSelectItem(this, item, selected);
}

void TListView::WndProc(TMessage& message) {
  int index = -1;
  bool selected = false;
  if (message.Msg == CN_NOTIFY && SelectionNotice(message, index, selected)) {
    SelectionChanged(index, selected);
    message.Result = 0;
    return;
  }
  TWinControl::WndProc(message);
}

void TListView::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.SystemClass = "SysListView32";
  params.Style |= kViewStyles[static_cast<int>(view_style_)] | kSingleSelection | kShowSelectionAlways;
  params.ExStyle |= kClientEdge;
}

void TListView::CreateWnd() {
  TWinControl::CreateWnd();
  UpdateWindowStyles();
  UpdateWindowContents();
}

}  // namespace ruzi
