#pragma once
// The system's tab control holding pages: each TTabSheet put in it is one tab (its Caption the
// tab's text, unless TabVisible is off) and fills the area below the tabs; only the ActivePage
// shows. A click on a tab shows its page and runs OnChange. PageIndex is a sheet's place among
// the pages. User-interface thread only.
#include <vector>

#include "ruzirareva/export.h"
#include "ruzirareva/ui/win_control.h"

namespace ruzi {

class TPageControl;

class RUZI_API TTabSheet : public TWinControl {
  RUZI_CLASS_RECORD_PUBLISHED(TTabSheet, TWinControl::ClassRecord())

 public:
  explicit TTabSheet(TComponent* owner = nullptr);
  ~TTabSheet() override;

  TPageControl* PageControl() const;
  void SetPageControl(TPageControl* page_control);
  // The sheet's place among its page control's pages (-1 outside one); setting it moves it.
  int PageIndex() const;
  void SetPageIndex(int index);
  bool TabVisible() const { return tab_visible_; }
  void SetTabVisible(bool visible);
  // The tab's place among the shown tabs, -1 when it has none.
  int TabIndex() const;

  void SetParent(TWinControl* parent) override;

 protected:
  void WndProc(TMessage& message) override;

 private:
  bool tab_visible_ = true;
};

class RUZI_API TPageControl : public TWinControl {
  RUZI_CLASS_RECORD_PUBLISHED(TPageControl, TWinControl::ClassRecord())

 public:
  explicit TPageControl(TComponent* owner = nullptr);
  ~TPageControl() override;

  int PageCount() const { return static_cast<int>(pages_.size()); }
  // Raises ruzi::Error for an index out of bounds.
  TTabSheet* Pages(int index) const;
  TTabSheet* ActivePage() const { return active_; }
  // Shows `page` (one of this control's pages, or nullptr for none) and hides the one shown.
  void SetActivePage(TTabSheet* page);
  int ActivePageIndex() const;
  void SetActivePageIndex(int index);
  // The area the pages fill: the client area less the tabs.
  TRect DisplayRect() const;

  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void WndProc(TMessage& message) override;
  void BoundsChanged() override;

 private:
  friend class TTabSheet;
  void InsertPage(TTabSheet* page);
  void RemovePage(TTabSheet* page);
  void MovePage(TTabSheet* page, int index);
  void PlacePages();
  // The page of the tab at `tab` (shown tabs only), or nullptr.
  TTabSheet* PageOfTab(int tab) const;
  // The Win32 half (page_control_win32.cpp): the tabs shown again from the pages, the tab
  // selected, and the tab a selection-change notification names (-1 for other messages).
  void UpdateTabs();
  void SelectTab(int tab);
  int ChangedTab(const TMessage& message);

  std::vector<TTabSheet*> pages_;
  TTabSheet* active_ = nullptr;
};

}  // namespace ruzi
