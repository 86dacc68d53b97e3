#include "ui/menu.h"

#include <algorithm>
#include <iterator>
#include <unordered_map>

#include "foundation/error.h"
#include "ui/menu_owner_draw.h"

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

}  // namespace

TMenuItem* FindMenuItemByCommand(int command) {
  auto found = ItemsByCommand().find(command);
  return found == ItemsByCommand().end() ? nullptr : found->second;
}

const TPropertyTable* TMenuItem::PublishedTable() {
  static const TPropertyInfo properties[] = {Published<&TMenuItem::Caption, &TMenuItem::SetCaption>("Caption"),
                                             Published<&TMenuItem::Checked, &TMenuItem::SetChecked>("Checked"),
                                             Published<&TMenuItem::Enabled, &TMenuItem::SetEnabled>("Enabled"),
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
  Changed();
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
  static const TPropertyInfo properties[] = {Published<&TMenu::OwnerDraw, &TMenu::SetOwnerDraw>("OwnerDraw")};
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
