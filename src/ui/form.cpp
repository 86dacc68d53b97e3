#include "ui/form.h"

#include <algorithm>
#include <iterator>

#include "ui/control_messages.h"
#include "ui/menu.h"
#include "ui/reference_property.h"
#include "ui/window_message_ids.h"

namespace ruzi {
namespace {

constexpr unsigned kTabKey = 0x09, kEnterKey = 0x0D;

// Controls that take the focus by Tab, in tree order.
void CollectTabStops(TWinControl& parent, std::vector<TWinControl*>& list) {
  for (int index = 0; index < parent.ControlCount(); ++index) {
    auto* child = dynamic_cast<TWinControl*>(parent.Controls(index));
    if (child == nullptr || !child->Visible() || !child->Enabled()) continue;
    if (child->TabStop()) list.push_back(child);
    CollectTabStops(*child, list);
  }
}

TMainMenu* FindMenu(TCustomForm& form, const std::string& name) {
  return dynamic_cast<TMainMenu*>(form.FindComponent(name));
}

}  // namespace

const TPropertyTable* TCustomForm::PublishedTable() {
  static const TPropertyInfo properties[] = {
      Published<&TCustomForm::BorderStyle, &TCustomForm::SetBorderStyle>("BorderStyle"),
      Published<&TCustomForm::FormStyle, &TCustomForm::SetFormStyle>("FormStyle"),
      PublishedReference<&TCustomForm::Menu, &TCustomForm::SetMenu, &FindMenu>("Menu"),
      Published<&TCustomForm::Position, &TCustomForm::SetPosition>("Position"),
      Published<&TCustomForm::Scaled, &TCustomForm::SetScaled>("Scaled")};
  static const TEventInfo events[] = {PublishedEvent<&TCustomForm::OnClose>("OnClose"),
                                      PublishedEvent<&TCustomForm::OnShow>("OnShow")};
  static const TPropertyTable table{properties, std::size(properties), events, std::size(events)};
  return &table;
}

TCustomForm::TCustomForm(TComponent* owner) : TWinControl(owner) {
  SetVisible(false);
  SetBounds(0, 0, 320, 240);
  SetParentColor(false);
  SetParentFont(false);
}

TCustomForm::~TCustomForm() = default;

TCustomForm* GetParentForm(TControl* control) {
  while (control != nullptr && dynamic_cast<TCustomForm*>(control) == nullptr) control = control->Parent();
  return static_cast<TCustomForm*>(control);
}

void TCustomForm::SetActiveControl(TWinControl* control) {
  active_control_ = control;
  if (control != nullptr && Showing()) control->SetFocus();
}

void TCustomForm::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation == TOperation::opRemove && component == active_control_) active_control_ = nullptr;
  if (operation == TOperation::opRemove && component == menu_) menu_ = nullptr;
}

void TCustomForm::SetMenu(TMainMenu* menu) {
  if (menu == menu_) return;
  if (menu_ != nullptr) menu_->SetWindow(nullptr);
  menu_ = menu;
  if (menu_ != nullptr && HandleAllocated()) menu_->SetWindow(Handle());
}

void TCustomForm::CreateWnd() {
  TWinControl::CreateWnd();
  if (menu_ != nullptr && HandleAllocated()) menu_->SetWindow(Handle());
}

void TCustomForm::SelectNext(bool forward, TWinControl* from) {
  std::vector<TWinControl*> stops;
  CollectTabStops(*this, stops);
  if (stops.empty()) return;
  TWinControl* current = from;
  for (TWinControl* stop : stops) {
    if (current == nullptr && stop->Focused()) current = stop;
  }
  if (current == nullptr) current = active_control_;
  auto at = std::find(stops.begin(), stops.end(), current);
  size_t index = at == stops.end() ? (forward ? stops.size() - 1 : 0) : static_cast<size_t>(at - stops.begin());
  index = forward ? (index + 1) % stops.size() : (index + stops.size() - 1) % stops.size();
  active_control_ = stops[index];
  stops[index]->SetFocus();
}

bool TCustomForm::IsShortCut(TShortCut short_cut, TWinControl* target) {
  if (menu_ != nullptr && menu_->IsShortCut(short_cut)) return true;
  for (TControl* control = target; control != nullptr && control != this; control = control->Parent()) {
    auto* popup = dynamic_cast<TMenu*>(control->PopupMenu());
    if (popup != nullptr && popup->IsShortCut(short_cut)) return true;
  }
  return false;
}

bool TCustomForm::DialogKey(unsigned key, TWinControl* target) {
  if (key == kTabKey) return false;  // handled where the Shift state is known (IsFormDialogMessage)
  auto* button = dynamic_cast<TButton*>(target);
  if (key == kEnterKey && button != nullptr && GetParentForm(button) == this) {
    button->Click();
    return true;
  }
  // The Default (Enter) or Cancel (Esc) button, wherever it is on the form.
  TMessage message{CM_DIALOGKEY, key, 0, 0};
  Broadcast(message);
  return message.Result != 0;
}

void TCustomForm::Close() {
  TCloseAction action = TCloseAction::caHide;
  OnClose(this, action);
  switch (action) {
    case TCloseAction::caNone:
      return;
    case TCloseAction::caFree:
      if (modal_) modal_result_ = mrCancel;
      Release();
      return;
    default:
      if (modal_) {
        modal_result_ = mrCancel;
      } else {
        Hide();
      }
  }
}

void TCustomForm::WndProc(TMessage& message) {
  if (DispatchMenuMessage(message)) return;
  switch (message.Msg) {
    case wm::Close:
      Close();
      return;
    case CM_DIALOGKEY:
      message.Result = DialogKey(static_cast<unsigned>(message.WParam), FromHandle(reinterpret_cast<HWND__*>(message.LParam)))
                           ? 1
                           : 0;
      return;
    case CM_RELEASE:
      delete this;
      return;
    case CM_VISIBLECHANGED:
      if (message.WParam != 0) PlaceAtShow();
      TWinControl::WndProc(message);
      if (message.WParam != 0) {
        if (active_control_ != nullptr) active_control_->SetFocus();
        DoShow();
      }
      return;
    default:
      TWinControl::WndProc(message);
  }
}

}  // namespace ruzi
