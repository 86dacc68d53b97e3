#pragma once
// The system's list view. Columns head the report view; Items are its rows, each a Caption (the
// first column) and SubItems (the next ones). The window follows every change, or, between
// BeginUpdate and EndUpdate, once at the end. As text, Items is one line per item, its caption
// and sub-items split by tabs. User-interface thread only.
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

class TListItems;

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
  // The selected item's index, -1 for none.
  int ItemIndex();

  void BeginUpdate() { batch_.Begin(); }
  void EndUpdate() { batch_.End(); }

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;

 private:
  void ShowContents();
  // The Win32 half: columns and items shown again, the extended styles, the selection.
  void UpdateWindowContents();
  void UpdateWindowStyles();
  int WindowItemIndex();

  TListColumns columns_;
  TListItems items_;
  TViewStyle view_style_ = TViewStyle::vsIcon;
  bool grid_lines_ = false;
  bool row_select_ = false;
  TUpdateBatch batch_;
};

}  // namespace ruzi
