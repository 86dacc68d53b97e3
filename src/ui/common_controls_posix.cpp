// Without a window system the controls keep their contents and arithmetic (their portable
// halves) but have no window to show them in, no system menu and nothing to paint.
#include "ui/date_time_picker.h"
#include "ui/header_control.h"
#include "ui/image.h"
#include "ui/list_view.h"
#include "ui/menu.h"
#include "ui/menu_owner_draw.h"
#include "ui/page_control.h"
#include "ui/scroll_box.h"
#include "ui/spin_edit.h"
#include "ui/splitter.h"
#include "ui/status_bar.h"
#include "ui/string_grid.h"
#include "ui/tool_bar.h"
#include "ui/track_bar.h"
#include "ui/tree_view.h"

namespace ruzi {

HMENU__* TMenu::BuildHandle() { return nullptr; }
void TMenu::DestroyMenuHandle(HMENU__*) {}
void TMainMenu::SetWindow(HWND__* window) { window_ = window; }
void TPopupMenu::Popup(int, int) { OnPopup(this); }
void TMenuItem::MeasureItem(TCanvas& canvas, int& width, int& height) {
  width = height = 0;
  OnMeasureItem(this, &canvas, width, height);
}
void TMenuItem::DrawItem(TCanvas& canvas, const TRect& rect, bool selected) {
  OnDrawItem(this, &canvas, rect, selected);
}
bool DispatchMenuOwnerDraw(TMessage&) { return false; }
TImageList* FindMenuImages(TMenu&, const std::string&);
TImageList* FindMenuImages(TMenu&, const std::string&) { return nullptr; }

void TStringGrid::DrawCell(int, int, const TRect&, TGridDrawState) {}
bool TStringGrid::ShowSizingCursor() { return false; }
void TImage::Paint() {}
void TSplitter::Paint() {}
void TToolBar::Paint() {}
void TToolButton::Paint() {}
TImageList* FindToolBarImages(TToolBar&, const std::string&);
TImageList* FindToolBarImages(TToolBar&, const std::string&) { return nullptr; }

void TStatusBar::UpdateWindowPanels() {}
void TPageControl::UpdateTabs() {}
void TPageControl::SelectTab(int) {}
int TPageControl::ChangedTab(const TMessage&) { return -1; }
TRect TPageControl::DisplayRect() const { return ClientRect(); }
void TTrackBar::UpdateWindowRange() {}
int TTrackBar::WindowPosition() { return position_; }
void TListView::UpdateWindowContents() {}
void TListView::UpdateWindowStyles() {}
void TListView::SelectInWindow(int) {}
bool TListView::SelectionNotice(const TMessage&, int&, bool&) const { return false; }
void TTreeView::UpdateWindowContents() {}
void TTreeView::SelectInWindow(TTreeNode*) {}
TTreeView::TSelectionNotice TTreeView::SelectionNotice(const TMessage&) const { return {}; }
void THeaderControl::UpdateWindowSections() {}
int THeaderControl::ClickedSection(const TMessage&) { return -1; }
void TDateTimePicker::UpdateWindowValue() {}
bool TDateTimePicker::ChangedValue(const TMessage&, double&) { return false; }
void TSpinEdit::FitArrows() {}
int TSpinEdit::ArrowSteps(TMessage&) { return 0; }
void TScrollBox::UpdateScrollBars() {}
int TScrollBox::TrackPosition(bool vertical) { return vertical ? scroll_y_ : scroll_x_; }

}  // namespace ruzi
