#pragma once
// Menus: a tree of TMenuItem under a TMainMenu (a form's menu bar, attached through the form's
// Menu) or a TPopupMenu (shown at a point of the screen). Every item holds a command number,
// unique in the process while the item lives, by which a window's WM_COMMAND finds it again and
// runs its Click. With OwnerDraw set the menu asks each item for its size (OnMeasureItem) and
// lets it paint itself (OnDrawItem); an item without those handlers gets its caption drawn
// plainly, its shortcut's text right-aligned, and its image (ImageIndex in the menu's Images) or
// check mark at its left. A menu with Images is always owner-drawn. An item's ShortCut runs its
// Click from the form's key handling (TMenu::IsShortCut) whether the menu is open or not. Radio
// items of one parent with the same GroupIndex keep at most one checked. The system's menu
// (HMENU) is built from the tree when first asked for and again after every change. A parent
// item frees its children. User-interface thread only.
#include <string>
#include <vector>

#include "ruzirareva/export.h"
#include "ruzirareva/foundation/component.h"
#include "ruzirareva/foundation/method.h"
#include "ruzirareva/ui/geometry.h"
#include "ruzirareva/ui/message.h"
#include "ruzirareva/ui/short_cut.h"

struct HMENU__;
struct HWND__;

namespace ruzi {

class TCanvas;
class TImageList;
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
  // The key that runs Click (scNone: none); published as its text ("Ctrl+S").
  TShortCut ShortCut() const { return short_cut_; }
  void SetShortCut(TShortCut short_cut);
  // Checking a radio item unchecks the radio items of the same parent with its GroupIndex.
  bool RadioItem() const { return radio_item_; }
  void SetRadioItem(bool radio_item);
  int GroupIndex() const { return group_index_; }
  // 0 to 255; raises ruzi::Error for another number.
  void SetGroupIndex(int group_index);
  // The image of the menu's Images drawn at the item's left (-1: none).
  int ImageIndex() const { return image_index_; }
  void SetImageIndex(int image_index);
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
  // Unchecks the checked radio items of this one's group, when it is a checked radio item.
  void TurnSiblingsOff();
  // The item and its subtree's first enabled, visible item with `short_cut`, or nullptr.
  TMenuItem* FindShortCut(TShortCut short_cut);
  // Where an owner-drawn item puts its parts: drop-down items keep a column at the left for
  // their image or check mark; the items of a menu bar do not.
  int GutterWidth() const;

  std::string caption_;
  bool checked_ = false;
  bool enabled_ = true;
  bool visible_ = true;
  bool radio_item_ = false;
  int group_index_ = 0;
  int image_index_ = -1;
  TShortCut short_cut_ = scNone;
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
  // Whether the items are drawn by the library: OwnerDraw, or Images set.
  bool IsOwnerDraw() const { return owner_draw_ || images_ != nullptr; }
  // The images items show by their ImageIndex; nullptr for none. Published by Name, looked up
  // among the components of the menu's owner.
  TImageList* Images() const { return images_; }
  void SetImages(TImageList* images);
  // Runs the Click of the first enabled, visible item (in tree order, under enabled, visible
  // parents) whose ShortCut is `short_cut`; false when there is none.
  bool IsShortCut(TShortCut short_cut);
  // The system's menu, built now if it is not yet (Windows only; nullptr elsewhere).
  HMENU__* Handle();
  bool HandleAllocated() const { return handle_ != nullptr; }

 protected:
  virtual bool IsPopup() const = 0;
  // After the system's menu was built again (the old one still exists).
  virtual void HandleChanged() {}
  void Notification(TComponent* component, TOperation operation) override;

 private:
  friend class TMenuItem;
  // Builds the system's menu again after a change, when there is one.
  void Rebuild();
  HMENU__* BuildHandle();
  static void DestroyMenuHandle(HMENU__* handle);

  TMenuItem* items_;
  bool owner_draw_ = false;
  TImageList* images_ = nullptr;
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
