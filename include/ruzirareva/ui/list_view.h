#pragma once
// The system's list view. Columns head the report view; Items are its rows, each a Caption (the
// first column) and SubItems (the next ones). The window follows every change, or, between
// BeginUpdate and EndUpdate, once at the end. As text, Items is one line per item, its caption
// and sub-items split by tabs. One item at a time can be selected: ItemIndex follows the
// window's notifications, and each change of an item's selection runs OnChange, then
// OnSelectItem. User-interface thread only.
#include <memory>
#include <string>
#include <vector>

#include "ruzirareva/export.h"
#include "ruzirareva/ui/sections.h"
#include "ruzirareva/ui/update_batch.h"
#include "ruzirareva/ui/win_control.h"

namespace ruzi {

enum class TViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };

template <>
struct TEnumNames<TViewStyle> {
  static constexpr std::array<const char*, 4> Names{"vsIcon", "vsSmallIcon", "vsList", "vsReport"};
};

enum class TItemChange { ctText, ctImage, ctState };

template <>
struct TEnumNames<TItemChange> {
  static constexpr std::array<const char*, 3> Names{"ctText", "ctImage", "ctState"};
};

class TListItem;
class TListItems;

// The sender, the item, and what changed about it.
using TLVChangeEvent = TEvent<TPersistent*, TListItem*, TItemChange>;
// The sender, the item, and whether it is now selected.
using TLVSelectItemEvent = TEvent<TPersistent*, TListItem*, bool>;

class RUZI_API TListItem {
 public:
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  const std::vector<std::string>& SubItems() const { return sub_items_; }
  void SetSubItems(std::vector<std::string> sub_items);
  void AddSubItem(const std::string& text);
  void* Data() const { return data_; }
  void SetData(void* data) { data_ = data; }

 private:
  friend class TListItems;
  explicit TListItem(TListItems* list) : list_(list) {}

  TListItems* list_;
  std::string caption_;
  std::vector<std::string> sub_items_;
  void* data_ = nullptr;
};

class RUZI_API TListItems {
 public:
  explicit TListItems(TEvent<> changed) : changed_(changed) {}
  TListItems(const TListItems&) = delete;
  TListItems& operator=(const TListItems&) = delete;
  ~TListItems();

  int Count() const { return static_cast<int>(items_.size()); }
  // Raises ruzi::Error for an index out of bounds.
  TListItem& Item(int index) const;
  TListItem& Add();
  void Delete(int index);
  void Clear();

  std::string AsText() const;
  void SetAsText(const std::string& text);

 private:
  friend class TListItem;
  void Changed() { changed_(); }

  std::vector<std::unique_ptr<TListItem>> items_;
  TEvent<> changed_;
};

class RUZI_API TListView : public TWinControl {
  RUZI_CLASS_RECORD_PUBLISHED(TListView, TWinControl::ClassRecord())

 public:
  explicit TListView(TComponent* owner = nullptr);

  TListColumns& Columns() { return columns_; }
  TListItems& Items() { return items_; }
  std::string ColumnsText() const { return columns_.AsText(); }
  void SetColumnsText(const std::string& text) { columns_.SetAsText(text); }
  std::string ItemsText() const { return items_.AsText(); }
  void SetItemsText(const std::string& text) { items_.SetAsText(text); }
  TViewStyle ViewStyle() const { return view_style_; }
  void SetViewStyle(TViewStyle style);
  bool GridLines() const { return grid_lines_; }
  void SetGridLines(bool grid_lines);
  bool RowSelect() const { return row_select_; }
  void SetRowSelect(bool row_select);
  // The selected item's index, -1 for none. Setting it selects that item in the window (whose
  // notifications then run the events); an index outside the items selects none.
  int ItemIndex() const { return item_index_; }
  void SetItemIndex(int index);
  // The selected item, nullptr for none.
  TListItem* Selected() const;

  TLVChangeEvent OnChange;
  TLVSelectItemEvent OnSelectItem;

  void BeginUpdate() { batch_.Begin(); }
  void EndUpdate() { batch_.End(); }

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void WndProc(TMessage& message) override;

 private:
  void ShowContents();
  // An item's selection changed in the window.
  void SelectionChanged(int index, bool selected);
  // The Win32 half: columns and items shown again, the extended styles, the selection.
  void UpdateWindowContents();
  void UpdateWindowStyles();
  void SelectInWindow(int index);
  // A reflected LVN_ITEMCHANGED that changed an item's selection: its index and new state.
  bool SelectionNotice(const TMessage& message, int& index, bool& selected) const;

  TListColumns columns_;
  TListItems items_;
  TViewStyle view_style_ = TViewStyle::vsIcon;
  bool grid_lines_ = false;
  bool row_select_ = false;
  int item_index_ = -1;
  bool filling_window_ = false;  // the window's own notices while it is filled are not the user's
  TUpdateBatch batch_;
};

}  // namespace ruzi
