#include "ui/menu.h"

#include <algorithm>
#include <iterator>
#include <unordered_map>

#include "foundation/error.h"
#include "ui/image_list.h"
#include "ui/menu_owner_draw.h"
#include "ui/reference_property.h"

namespace ruzi {
namespace {

constexpr uint32_t kCommandMessage = 0x0111;  // WM_COMMAND
constexpr int kLastCommand = 0xFFFF;          // WM_COMMAND carries the number in 16 bits

// Items by command number. Menus live on the user-interface thread alone.
std::unordered_map<int, TMenuItem*>& ItemsByCommand() {
  static std::unordered_map<int, TMenuItem*> items;
  return items;
}

// The next free number after the last one given, round from 1.
int TakeCommand(TMenuItem* item) {
  static int last = 0;
  auto& items = ItemsByCommand();
  if (items.size() >= kLastCommand) throw Error("Too many menu items");
  do {
    last = last == kLastCommand ? 1 : last + 1;
  } while (items.count(last) != 0);
  items.emplace(last, item);
  return last;
}

std::string WithoutAccelerator(const std::string& caption) {
  std::string plain;
  for (size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&' && i + 1 < caption.size()) ++i;
    plain += caption[i];
  }
  return plain;
}

constexpr int kLastGroup = 255;

std::string ShortCutText(const TMenuItem& item) { return ShortCutToText(item.ShortCut()); }

// "" is none; any other text must name a shortcut.
bool SetShortCutText(TPersistent& instance, std::string_view text) {
  const TShortCut short_cut = TextToShortCut(text);
  if (short_cut == scNone && !text.empty()) return false;
  static_cast<TMenuItem&>(instance).SetShortCut(short_cut);
  return true;
}

}  // namespace

// The image list of that name beside the menu (menu_win32.cpp: image lists exist only over the
// Windows API).
TImageList* FindMenuImages(TMenu& menu, const std::string& name);

TMenuItem* FindMenuItemByCommand(int command) {
  auto found = ItemsByCommand().find(command);
  return found == ItemsByCommand().end() ? nullptr : found->second;
}

const TPropertyTable* TMenuItem::PublishedTable() {
  static const TPropertyInfo properties[] = {Published<&TMenuItem::Caption, &TMenuItem::SetCaption>("Caption"),
                                             Published<&TMenuItem::Checked, &TMenuItem::SetChecked>("Checked"),
                                             Published<&TMenuItem::Enabled, &TMenuItem::SetEnabled>("Enabled"),
                                             Published<&TMenuItem::GroupIndex, &TMenuItem::SetGroupIndex>("GroupIndex"),
                                             Published<&TMenuItem::ImageIndex, &TMenuItem::SetImageIndex>("ImageIndex"),
                                             Published<&TMenuItem::RadioItem, &TMenuItem::SetRadioItem>("RadioItem"),
                                             TPropertyInfo{"ShortCut", TTypeKind::tkLString,
                                                           [](const TPersistent& instance) {
                                                             return ShortCutText(static_cast<const TMenuItem&>(instance));
                                                           },
                                                           &SetShortCutText},
                                             Published<&TMenuItem::Visible, &TMenuItem::SetVisible>("Visible")};
  static const TEventInfo events[] = {PublishedEvent<&TMenuItem::OnClick>("OnClick"),
                                      PublishedEvent<&TMenuItem::OnDrawItem>("OnDrawItem"),
                                      PublishedEvent<&TMenuItem::OnMeasureItem>("OnMeasureItem")};
  static const TPropertyTable table{properties, std::size(properties), events, std::size(events)};
  return &table;
}

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), command_(TakeCommand(this)) {}

TMenuItem::~TMenuItem() {
  // Children go first, the last put in first; they may also have an owner, which lets them go.
  while (!items_.empty()) delete items_.back();
  if (parent_ != nullptr) parent_->Remove(this);
  ItemsByCommand().erase(command_);
}

TMenuItem* TMenuItem::Items(int index) const {
  if (index < 0 || index >= Count()) throw Error("Menu index out of bounds (" + std::to_string(index) + ")");
  return items_[static_cast<size_t>(index)];
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
  auto found = std::find(items_.begin(), items_.end(), item);
  return found == items_.end() ? -1 : static_cast<int>(found - items_.begin());
}

void TMenuItem::Insert(int index, TMenuItem* item) {
  if (item == nullptr) throw Error("No menu item given");
  for (const TMenuItem* up = this; up != nullptr; up = up->parent_) {
    if (up == item) throw Error("A menu item cannot hold itself");
  }
  if (item->parent_ != nullptr) item->parent_->Remove(item);
  index = std::clamp(index, 0, Count());
  items_.insert(items_.begin() + index, item);
  item->parent_ = this;
  Changed();
}

void TMenuItem::Remove(TMenuItem* item) {
  auto found = std::find(items_.begin(), items_.end(), item);
  if (found == items_.end()) return;
  items_.erase(found);
  item->parent_ = nullptr;
  Changed();
}

TMenuItem* TMenuItem::Find(const std::string& caption) const {
  for (TMenuItem* item : items_) {
    if (WithoutAccelerator(item->caption_) == caption) return item;
  }
  return nullptr;
}

TMenu* TMenuItem::GetParentMenu() const {
  const TMenuItem* root = this;
  while (root->parent_ != nullptr) root = root->parent_;
  return root->menu_;
}

void TMenuItem::SetCaption(const std::string& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  Changed();
}

void TMenuItem::SetChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  TurnSiblingsOff();
  Changed();
}

void TMenuItem::SetShortCut(TShortCut short_cut) {
  if (short_cut == short_cut_) return;
  short_cut_ = short_cut;
  Changed();
}

void TMenuItem::SetRadioItem(bool radio_item) {
  if (radio_item == radio_item_) return;
  radio_item_ = radio_item;
  TurnSiblingsOff();
  Changed();
}

void TMenuItem::SetGroupIndex(int group_index) {
  if (group_index < 0 || group_index > kLastGroup) {
    throw Error("Menu group index out of range (" + std::to_string(group_index) + ")");
  }
  if (group_index == group_index_) return;
  group_index_ = group_index;
  TurnSiblingsOff();
  Changed();
}

void TMenuItem::SetImageIndex(int image_index) {
  if (image_index == image_index_) return;
  image_index_ = image_index;
  Changed();
}

void TMenuItem::TurnSiblingsOff() {
  if (!checked_ || !radio_item_ || parent_ == nullptr) return;
  for (TMenuItem* sibling : parent_->items_) {
    if (sibling != this && sibling->radio_item_ && sibling->group_index_ == group_index_) sibling->SetChecked(false);
  }
}

TMenuItem* TMenuItem::FindShortCut(TShortCut short_cut) {
  if (!enabled_ || !visible_) return nullptr;
  if (short_cut_ == short_cut && parent_ != nullptr) return this;
  for (TMenuItem* item : items_) {
    if (TMenuItem* found = item->FindShortCut(short_cut)) return found;
  }
  return nullptr;
}

void TMenuItem::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Changed();
}

void TMenuItem::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  Changed();
}

void TMenuItem::Changed() {
  if (TMenu* menu = GetParentMenu()) menu->Rebuild();
}

void TMenuItem::Click() {
  if (enabled_) OnClick(this);
}

const TPropertyTable* TMenu::PublishedTable() {
  static const TPropertyInfo properties[] = {PublishedReference<&TMenu::Images, &TMenu::SetImages, &FindMenuImages>("Images"),
                                             Published<&TMenu::OwnerDraw, &TMenu::SetOwnerDraw>("OwnerDraw")};
  static const TPropertyTable table{properties, std::size(properties), nullptr, 0};
  return &table;
}

TMenu::TMenu(TComponent* owner) : TComponent(owner), items_(new TMenuItem(nullptr)) { items_->menu_ = this; }

TMenu::~TMenu() {
  items_->menu_ = nullptr;
  delete items_;
  DestroyMenuHandle(handle_);
}

HMENU__* TMenu::Handle() {
  if (handle_ == nullptr) handle_ = BuildHandle();
  return handle_;
}

void TMenu::SetOwnerDraw(bool owner_draw) {
  if (owner_draw == owner_draw_) return;
  owner_draw_ = owner_draw;
  Rebuild();
}

void TMenu::SetImages(TImageList* images) {
  if (images == images_) return;
  images_ = images;
  Rebuild();
}

void TMenu::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == TOperation::opRemove && component == images_) SetImages(nullptr);
}

bool TMenu::IsShortCut(TShortCut short_cut) {
  if (short_cut == scNone) return false;
  TMenuItem* item = items_->FindShortCut(short_cut);
  if (item == nullptr) return false;
  item->Click();
  return true;
}

void TMenu::Rebuild() {
  if (handle_ == nullptr) return;
  HMENU__* old = handle_;
  handle_ = BuildHandle();
  HandleChanged();
  DestroyMenuHandle(old);
}

TMainMenu::~TMainMenu() { SetWindow(nullptr); }

const TPropertyTable* TPopupMenu::PublishedTable() {
  static const TEventInfo events[] = {PublishedEvent<&TPopupMenu::OnPopup>("OnPopup")};
  static const TPropertyTable table{nullptr, 0, events, std::size(events)};
  return &table;
}

bool DispatchMenuMessage(TMessage& message) {
  // A menu's WM_COMMAND: notification code 0 and no control window.
  if (message.Msg == kCommandMessage && message.LParam == 0 && (message.WParam >> 16) == 0) {
    TMenuItem* item = FindMenuItemByCommand(static_cast<int>(message.WParam & 0xFFFF));
    if (item == nullptr) return false;
    item->Click();
    return true;
  }
  return DispatchMenuOwnerDraw(message);
}

}  // namespace ruzi
