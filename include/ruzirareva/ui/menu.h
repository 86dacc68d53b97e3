#pragma once
// Menus: a tree of TMenuItem under a TMainMenu (a form's menu bar, attached through the form's
// Menu) or a TPopupMenu (shown at a point of the screen). Every item holds a command number,
// unique in the process while the item lives, by which a window's WM_COMMAND finds it again and
// runs its Click. With OwnerDraw set the menu asks each item for its size (OnMeasureItem) and
// lets it paint itself (OnDrawItem); an item without those handlers gets its caption drawn
// plainly. The system's menu (HMENU) is built from the tree when first asked for and again after
// every change. A parent item frees its children. User-interface thread only.
#include <string>
#include <vector>

#include "ruzirareva/export.h"
#include "ruzirareva/foundation/component.h"
#include "ruzirareva/foundation/method.h"
#include "ruzirareva/ui/geometry.h"
#include "ruzirareva/ui/message.h"

struct HMENU__;
struct HWND__;

namespace ruzi {

class TCanvas;
class TMenu;

// The sender, the canvas to measure with, and the width and height to answer (preset to the
// plain caption's size).
using TMenuMeasureItemEvent = TEvent<TPersistent*, TCanvas*, int&, int&>;
// The sender, the canvas, the item's rectangle on it, and whether the item is highlighted.
using TMenuDrawItemEvent = TEvent<TPersistent*, TCanvas*, const TRect&, bool>;

class RUZI_API TMenuItem : public TComponent {
  RUZI_CLASS_RECORD_PUBLISHED(TMenuItem, TComponent::ClassRecord())

 public:
  explicit TMenuItem(TComponent* owner = nullptr);
  ~TMenuItem() override;

  // "-" makes the item a separator line.
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  bool Checked() const { return checked_; }
  void SetChecked(bool checked);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  bool IsLine() const { return caption_ == "-"; }
  // The number WM_COMMAND carries for this item (1 to 0xFFFF).
  int Command() const { return command_; }

  int Count() const { return static_cast<int>(items_.size()); }
  // Raises ruzi::Error for an index out of bounds.
  TMenuItem* Items(int index) const;
  TMenuItem* Parent() const { return parent_; }
  int IndexOf(const TMenuItem* item) const;
  // Takes `item` (from any other parent) as the last child, or at `index`.
  void Add(TMenuItem* item) { Insert(Count(), item); }
  void Insert(int index, TMenuItem* item);
  // Lets `item` go without freeing it.
  void Remove(TMenuItem* item);
  // The child whose caption, without its '&', is `caption`; nullptr when none.
  TMenuItem* Find(const std::string& caption) const;
  // The menu whose tree this item is in, or nullptr.
  TMenu* GetParentMenu() const;

  TNotifyEvent OnClick;
  TMenuMeasureItemEvent OnMeasureItem;
  TMenuDrawItemEvent OnDrawItem;
  // Runs OnClick (an enabled item only).
  virtual void Click();
  // The size and painting of an owner-drawn item: the handlers, else the plain caption.
  void MeasureItem(TCanvas& canvas, int& width, int& height);
  void DrawItem(TCanvas& canvas, const TRect& rect, bool selected);

 private:
  friend class TMenu;
  void Changed();

  std::string caption_;
  bool checked_ = false;
  bool enabled_ = true;
  bool visible_ = true;
  int command_ = 0;
  std::vector<TMenuItem*> items_;
  TMenuItem* parent_ = nullptr;
  TMenu* menu_ = nullptr;  // set on the root item alone
};

// The item whose command is `command`, or nullptr.
RUZI_API TMenuItem* FindMenuItemByCommand(int command);

class RUZI_API TMenu : public TComponent {
  RUZI_CLASS_RECORD_PUBLISHED(TMenu, TComponent::ClassRecord())

 public:
  explicit TMenu(TComponent* owner = nullptr);
  ~TMenu() override;

  // The root item: its children are the menu's items.
  TMenuItem* Items() const { return items_; }
  bool OwnerDraw() const { return owner_draw_; }
  void SetOwnerDraw(bool owner_draw);
  // The system's menu, built now if it is not yet (Windows only; nullptr elsewhere).
  HMENU__* Handle();
  bool HandleAllocated() const { return handle_ != nullptr; }

 protected:
  virtual bool IsPopup() const = 0;
  // After the system's menu was built again (the old one still exists).
  virtual void HandleChanged() {}

 private:
  friend class TMenuItem;
  // Builds the system's menu again after a change, when there is one.
  void Rebuild();
  HMENU__* BuildHandle();
  static void DestroyMenuHandle(HMENU__* handle);

  TMenuItem* items_;
  bool owner_draw_ = false;
  HMENU__* handle_ = nullptr;
};

// A form's menu bar.
class RUZI_API TMainMenu : public TMenu {
  RUZI_CLASS_RECORD(TMainMenu, TMenu::ClassRecord())

 public:
  explicit TMainMenu(TComponent* owner = nullptr) : TMenu(owner) {}
  ~TMainMenu() override;

  // The window showing the menu bar (the form sets it), redrawn after every change.
  void SetWindow(HWND__* window);

 protected:
  void HandleChanged() override { SetWindow(window_); }
  bool IsPopup() const override { return false; }

 private:
  HWND__* window_ = nullptr;
};

// A menu shown at a point, by a right click on the control it belongs to or by Popup.
class RUZI_API TPopupMenu : public TMenu {
  RUZI_CLASS_RECORD_PUBLISHED(TPopupMenu, TMenu::ClassRecord())

 public:
  explicit TPopupMenu(TComponent* owner = nullptr) : TMenu(owner) {}

  // The control that was right-clicked to show it (nullptr for a Popup call).
  TComponent* PopupComponent() const { return popup_component_; }
  void SetPopupComponent(TComponent* component) { popup_component_ = component; }
  // Shows the menu at screen point (x, y) and waits for a choice; the chosen item's Click runs.
  void Popup(int x, int y);

  TNotifyEvent OnPopup;

 protected:
  bool IsPopup() const override { return true; }

 private:
  TComponent* popup_component_ = nullptr;
};

// What a window does with a message about a menu (WM_COMMAND from a menu, WM_MEASUREITEM and
// WM_DRAWITEM of owner-drawn items): true when it was one, handled.
RUZI_API bool DispatchMenuMessage(TMessage& message);

}  // namespace ruzi
