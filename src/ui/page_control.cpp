#include "ui/page_control.h"

#include <algorithm>
#include <iterator>

#include "foundation/error.h"
#include "platform/ascii_case.h"
#include "ui/control_messages.h"
#include "ui/reference_property.h"

namespace ruzi {
namespace {

TTabSheet* FindPage(TPageControl& control, const std::string& name) {
  for (int index = 0; index < control.PageCount(); ++index) {
    if (AsciiEqualIgnoreCase(control.Pages(index)->Name(), name)) return control.Pages(index);
  }
  return nullptr;
}

}  // namespace

const TPropertyTable* TTabSheet::PublishedTable() {
  static const TPropertyInfo properties[] = {Published<&TTabSheet::PageIndex, &TTabSheet::SetPageIndex>("PageIndex"),
                                             Published<&TTabSheet::TabVisible, &TTabSheet::SetTabVisible>("TabVisible")};
  static const TPropertyTable table{properties, std::size(properties), nullptr, 0};
  return &table;
}

TTabSheet::TTabSheet(TComponent* owner) : TWinControl(owner) { SetVisible(false); }

TTabSheet::~TTabSheet() {
  if (TPageControl* control = PageControl()) control->RemovePage(this);
}

TPageControl* TTabSheet::PageControl() const { return dynamic_cast<TPageControl*>(Parent()); }

void TTabSheet::SetPageControl(TPageControl* page_control) { SetParent(page_control); }

void TTabSheet::SetParent(TWinControl* parent) {
  TPageControl* old = PageControl();
  TWinControl::SetParent(parent);
  if (old != nullptr && old != PageControl()) old->RemovePage(this);
  if (TPageControl* control = PageControl(); control != nullptr && control != old) control->InsertPage(this);
}

int TTabSheet::PageIndex() const {
  TPageControl* control = PageControl();
  if (control == nullptr) return -1;
  auto& pages = control->pages_;
  return static_cast<int>(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TTabSheet::SetPageIndex(int index) {
  if (TPageControl* control = PageControl()) control->MovePage(this, index);
}

void TTabSheet::SetTabVisible(bool visible) {
  if (visible == tab_visible_) return;
  tab_visible_ = visible;
  if (TPageControl* control = PageControl()) control->UpdateTabs();
}

int TTabSheet::TabIndex() const {
  TPageControl* control = PageControl();
  if (control == nullptr || !tab_visible_) return -1;
  int tab = 0;
  for (TTabSheet* page : control->pages_) {
    if (page == this) return tab;
    if (page->tab_visible_) ++tab;
  }
  return -1;
}

void TTabSheet::WndProc(TMessage& message) {
  TWinControl::WndProc(message);
  if (message.Msg == CM_TEXTCHANGED) {
    if (TPageControl* control = PageControl()) control->UpdateTabs();
  }
}

const TPropertyTable* TPageControl::PublishedTable() {
  static const TPropertyInfo properties[] = {
      PublishedReference<&TPageControl::ActivePage, &TPageControl::SetActivePage, &FindPage>("ActivePage"),
      Published<&TPageControl::ActivePageIndex, &TPageControl::SetActivePageIndex>("ActivePageIndex")};
  static const TEventInfo events[] = {PublishedEvent<&TPageControl::OnChange>("OnChange")};
  static const TPropertyTable table{properties, std::size(properties), events, std::size(events)};
  return &table;
}

TPageControl::TPageControl(TComponent* owner) : TWinControl(owner) {
  SetTabStop(true);
  SetBounds(0, 0, 289, 193);
}

TPageControl::~TPageControl() {
  // The pages first, while this control can still let them go.
  while (!pages_.empty()) delete pages_.back();
}

TTabSheet* TPageControl::Pages(int index) const {
  if (index < 0 || index >= PageCount()) throw Error("Page index out of bounds (" + std::to_string(index) + ")");
  return pages_[static_cast<size_t>(index)];
}

void TPageControl::InsertPage(TTabSheet* page) {
  pages_.push_back(page);
  page->SetVisible(false);
  if (active_ == nullptr) SetActivePage(page);
  UpdateTabs();
  PlacePages();
}

void TPageControl::RemovePage(TTabSheet* page) {
  auto found = std::find(pages_.begin(), pages_.end(), page);
  if (found == pages_.end()) return;
  const size_t index = static_cast<size_t>(found - pages_.begin());
  pages_.erase(found);
  if (page == active_) {
    active_ = nullptr;
    if (!pages_.empty()) SetActivePage(pages_[std::min(index, pages_.size() - 1)]);
  }
  UpdateTabs();
}

void TPageControl::MovePage(TTabSheet* page, int index) {
  auto found = std::find(pages_.begin(), pages_.end(), page);
  if (found == pages_.end()) return;
  pages_.erase(found);
  index = std::clamp(index, 0, PageCount());
  pages_.insert(pages_.begin() + index, page);
  UpdateTabs();
}

void TPageControl::SetActivePage(TTabSheet* page) {
  if (page != nullptr && page->PageControl() != this) throw Error(page->Name() + " is no page of " + Name());
  if (page == active_) return;
  TTabSheet* old = active_;
  active_ = page;
  if (page != nullptr) {
    page->SetBoundsRect(DisplayRect());
    page->SetVisible(true);
  }
  if (old != nullptr) old->SetVisible(false);
  SelectTab(page != nullptr ? page->TabIndex() : -1);
}

int TPageControl::ActivePageIndex() const { return active_ != nullptr ? active_->PageIndex() : -1; }

void TPageControl::SetActivePageIndex(int index) { SetActivePage(index < 0 ? nullptr : Pages(index)); }

TTabSheet* TPageControl::PageOfTab(int tab) const {
  for (TTabSheet* page : pages_) {
    if (page->TabIndex() == tab) return page;
  }
  return nullptr;
}

void TPageControl::PlacePages() {
  const TRect area = DisplayRect();
  for (TTabSheet* page : pages_) page->SetBoundsRect(area);
}

void TPageControl::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.SystemClass = "SysTabControl32";
}

void TPageControl::CreateWnd() {
  TWinControl::CreateWnd();
  UpdateTabs();
}

void TPageControl::BoundsChanged() {
  TWinControl::BoundsChanged();
  PlacePages();
}

void TPageControl::WndProc(TMessage& message) {
  if (message.Msg == CN_NOTIFY) {
    const int tab = ChangedTab(message);
    if (tab >= 0) {
      SetActivePage(PageOfTab(tab));
      OnChange(this);
      return;
    }
  }
  TWinControl::WndProc(message);
}

}  // namespace ruzi
